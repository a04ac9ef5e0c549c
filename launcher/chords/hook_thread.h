// The low-level mouse hook's own thread. Windows calls a low-level hook by a message to the
// thread that installed it, and every mouse event of the desktop waits for the answer: this
// thread does nothing else, so the pointer never waits for the launcher's window, its
// redraws, its dialogs or its files. It installs and removes the hook when asked, answers
// the hook's question at a chord's completing press from its own copy of the chord
// settings, and passes the chord on to the launcher window.
#pragma once

#include <windows.h>

#include <cstdint>

#include "chords/chord_settings.h"

// Starts the thread once (later calls do nothing); returns whether it runs.
bool start_hook_thread();

// Ends the thread after removing its hook; at Shutdown.
void stop_hook_thread();

// Installs the low-level hook on the thread, with chords going to target. With wait, waits
// for the thread (which never waits for the caller) and returns 1 on success; without, the
// thread does it next, in the order asked, and 1 is returned when it was asked. A launch
// does not wait: a window that waited would take in, in the middle of the launch, messages
// meant for after it (another window taking the front).
int install_hook_on_thread(HWND target, bool wait);

// Removes the thread's hook, with or without waiting as above; returns 1 when a hook was
// removed (or, without waiting, when the thread was asked).
int remove_hook_on_thread(bool wait);

// Gives the thread a copy of the chord settings, and the system's notification state, for
// the chords to come.
void publish_to_hook_thread(const ChordSettings& settings, int32_t notification_state);

// Gives the thread the system's notification state alone.
void publish_notification_state(int32_t notification_state);

// The thread's id (0 before it runs).
DWORD hook_thread_id();

// What the thread answers at a chord's completing press from what it holds: 1 when the chord
// stays with the program (also when neither button is really down any more, a press whose
// partner's release the hook never saw).
int answer_chord_question(const ChordSettings& settings, int32_t notification_state, int x, int y);
