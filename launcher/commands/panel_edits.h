// What the panel commands do to the shown panel set and its connection row, free of
// dialogs, files and drawing: the callers save and redraw.
#pragma once

// Empties panel p and clears its own connection; connections of other panels that name
// it stay as they are.
void clear_panel(int p);

// Puts panel s's item into panel t (which it replaces) and empties s. The connection
// travels with the item, dropped when it would name t itself.
void move_item(int s, int t);

// Swaps the items of panels s and t with their connections; a connection that would then
// name its own panel is dropped.
void exchange_items(int s, int t);
