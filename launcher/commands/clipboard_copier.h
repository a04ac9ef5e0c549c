// Puts a Text Clipboard item's text on the clipboard, through a hidden dialog's edit box.
#pragma once

// Puts the text file's whole text on the clipboard. Returns COPY_DONE, or what kept it from
// the clipboard (a CopyResult).
int copy_text_file_to_clipboard(const char* path);
