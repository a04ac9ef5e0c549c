#include "commands/command_target.h"

#include "commands/error_dialog.h"
#include "store/panel_set.h"

int selected_panel;

CommandTarget current_command_target()
{
    return CommandTarget{current_set, selected_panel};
}

bool command_target_still_current(const CommandTarget& target)
{
    if (target.set == current_set && target.panel == selected_panel) {
        return true;
    }
    show_error_message("The panels changed while the dialog was open; nothing was changed.");
    return false;
}
