// The one command-line switch the program knows.
#pragma once

// 1 when the command-line text after the program's name contains "/reboot" anywhere
// (letter case as written, also inside a longer word), else 0. A null text counts as empty.
int has_reboot_switch(const char* arguments);
