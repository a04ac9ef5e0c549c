// Whether the targets of path items can be reached, and their names and icons, asked of the
// system on workers so that a drive or share that does not answer never holds up the window.
// Each root (a drive, a share) has at most one question out at a time; while it is out, the
// root's items count as out of reach at once, without a new worker. An answer that comes
// after the window stopped waiting is posted to it (WM_REACH_ANSWER, whose receiver hands it
// to take_late_answer) and drawn then.
#pragma once

#include <windows.h>

#include "store/item_string.h"
#include "store/panel_set.h"
#include "view/target_reach.h"

// How long a redraw waits, for all its questions together, before it draws what has not
// answered as out of reach and lets the answers fill in when they come.
constexpr DWORD REACH_WAIT_MS = 100;

// The system's word on one item: asked is false for an item no worker was asked about (empty,
// special, or without a drive or share), whose look the caller works out itself.
struct ItemAnswer {
    bool asked;
    TargetReach reach;
    char name[ITEM_TEXT_SIZE]; // the shell's display name of a present target ("" if none)
    HICON icon;                // the shell's icon of a present target, owned by the taker
};

// Asks about items[first] .. items[first + count - 1] (at most PANELS_PER_SET items, those of
// the given panel set) and waits at most REACH_WAIT_MS for the answers. Late answers are
// posted to the window.
void ask_about_items(const char* const* items, int first, int count, const void* set, HWND window, ItemAnswer* answers);

// A late answer, for the panels of one set.
struct LateAnswer {
    const void* set;
    int count;
    int panels[PANELS_PER_SET];        // panel indices 0..7
    const char* items[PANELS_PER_SET]; // the items asked about, as they were then
    ItemAnswer answers[PANELS_PER_SET];
};

// Takes a late answer out of the message (the root may be asked again from now on) and
// passes it to use; the icons use did not take (set to nullptr) are destroyed afterwards.
void take_late_answer(LPARAM message, void (*use)(LateAnswer& answer));

// Questions still out (for the tests and the benchmark).
int reach_questions_out();
