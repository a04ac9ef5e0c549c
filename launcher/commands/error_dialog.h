// The program's error-message dialog: every refusal and failure is shown through it.
#pragma once

#include <cstddef>

constexpr size_t ERROR_MESSAGE_SIZE = 1024;

extern char error_message_text[ERROR_MESSAGE_SIZE];

// Shows the text modally, owned by the launcher window once it exists; returns when the
// user closes the dialog.
void show_error_message(const char* text);

// Shows what failed, a colon and the system's own words for the error code:
// "Vantrel could not save the text: There is not enough space on the disk."
void show_failure_message(const char* what, unsigned long error);
