// The launcher's side of the mouse hook: choosing the variant, installing, removing, and
// keeping it installed when the system drops it.
#pragma once

#include <windows.h>

bool is_vista_or_later();
// Installs the hook unless this launcher holds one already (then it does nothing), and
// removes it. The low-level hook is installed and removed by its own thread: without wait
// the call only asks the thread (in order), so that the window takes in no other message
// meanwhile; a launch does so.
int install_chord_hook(bool wait = true);
int remove_chord_hook(bool wait = true);
bool chord_hook_installed();

// Removes the hook and ends its thread; at Shutdown.
void end_chord_hook();

// Gives the hook the chord settings as they are now (after a load, an Apply, a pause), with
// the system's notification state when full-screen programs keep their chords: to the
// low-level hook's thread, or where the in-process hook of old Windows reads them.
void publish_chord_settings();

// Removes whatever is left of the hook and installs it again. Used after the system may
// have dropped the hook (cancelled log-off, resume, unlock, and the periodic check); does
// nothing while a launch holds the hook removed, since the launch installs it at its end.
int reinstall_chord_hook();

// Starts the check on the launcher window (low-level hook only; the in-process hook is
// never removed by a time-out) and subscribes to unlock notifications. The check runs while
// the user is busy; an idle user costs no timer: the first input wakes the check again.
void start_hook_watch(HWND window);

// Ends what start_hook_watch started; before the window is destroyed.
void stop_hook_watch(HWND window);

// The periodic check's tick: the hook is put back only when input reached the system since
// the last tick and the hook saw none of it; never while a mouse button is held, so that a
// gesture in progress keeps its flags.
void on_hook_check_timer();

// Raw input while the check sleeps: the user is back, and the check runs again soon.
void on_input_while_idle();

// Windows asks whether the session may end: the hook goes, and the answer is yes.
BOOL on_query_end_session();

// Session and power notifications after which the hook may have been dropped.
void on_end_session(WPARAM ending);
void on_power_broadcast(WPARAM event);
void on_session_change(WPARAM event);
