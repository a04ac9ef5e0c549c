// The panel a command is for: the panel whose menu was opened (or that a launch started
// from), and the check that a dialog's answer still belongs to the panel it was asked for.
#pragma once

extern int selected_panel;

// The panel set and panel a command's dialog was opened for. While the dialog is open the
// shown set is not expected to change; should it have changed all the same, the dialog's
// answer is refused rather than written into another panel.
struct CommandTarget {
    const void* set;
    int panel;
};
CommandTarget current_command_target();

// True when the target is still the shown set and selected panel; otherwise says so to the
// user and returns false.
bool command_target_still_current(const CommandTarget& target);
