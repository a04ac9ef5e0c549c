// What the tests read of the program's inner state. The program itself never calls these;
// they are defined beside the state they read.
#pragma once

// How many times this launcher has installed the hook since it started.
unsigned chord_hook_installs();

// Returns once the hook's thread has done what it was asked before (a launch only asks).
void wait_for_hook_thread();

// The failed-save balloons shown so far, and the text of the last one.
int save_notices_shown();
const char* last_save_notice();
