#include "app/window_commands.h"

#include <ole2.h>

#include "app/activation.h"
#include "app/tray/tray.h"
#include "chords/chord_hook.h"
#include "chords/chord_settings.h"
#include "commands/panel_commands.h"
#include "launch/launch_pipeline.h"
#include "options/chords_keys_dialog.h"
#include "options/options_dialog.h"
#include "resources/resource.h"
#include "state/window_state.h"
#include "view/panel_view.h"

void shutdown_launcher()
{
    release_view_icons();
    remove_tray_icon(main_window);
    end_chord_hook();
    OleUninitialize();
    PostQuitMessage(0);
}

// A command of the tray menu; false for any other command id.
static bool run_tray_command(WORD command)
{
    switch (command) {
    case ID_ACTIVATE:
        activate_launcher_window();
        return true;
    case ID_SHUTDOWN:
        shutdown_launcher();
        return true;
    case ID_OPEN_DATA_FOLDER:
        open_data_folder();
        return true;
    // One settings dialog at a time: the tray menu still opens over an open dialog, and
    // a second one would work on the first one's copy of the settings.
    case ID_OPTIONS:
        if (!defer_to_open_dialog()) {
            open_options_dialog();
        }
        return true;
    case ID_CHORDS_AND_KEYS:
        if (!defer_to_open_dialog()) {
            open_chords_keys_dialog(main_window);
        }
        return true;
    case ID_PAUSE_CHORDS:
        set_chords_paused(chord_settings.paused != 1);
        return true;
    case ID_MANUAL:
        open_manual();
        return true;
    case ID_VISIT_MAKER:
        open_maker_site();
        return true;
    default:
        return false;
    }
}

void on_command(HWND window, WORD command)
{
    if (command_ready == 0) {
        return;
    }
    if (!run_tray_command(command)) {
        run_panel_command(command);
    }
    start_command_guard(window);
}
