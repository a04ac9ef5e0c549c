// Whether the targets of path items can be reached, asked of the system without letting a
// drive or share that does not answer hold up the window.
#pragma once

#include "view/target_reach.h"

// Whether the path items items[first] .. items[first + count - 1] can be reached (an empty
// or special item counts as present; at most PANELS_PER_SET items). The system drive is asked at once. Any other drive,
// whatever its type (a drive letter can name a network share, and under Wine even asking a
// drive's type looks at it), and any share is asked on a thread of its own, all of them at
// once; the answers are awaited together for at most 300 ms, and a drive or share that has
// not answered by then is out of reach (its thread finishes on its own).
void reach_of_items(const char* const* items, int first, int count, TargetReach* reach);
