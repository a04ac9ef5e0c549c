// The words shown when the shell refuses to start an item, by the code it returned.
#pragma once

#include <cstddef>

// The message for a code returned by the shell (32 or less on failure); every code without a
// message of its own gives "Cannot execute the specified file.". The message for code 11
// carries "(R)" as its registered-trademark sign, which reads right in every code page.
const char* shell_error_message(int code);

// Writes the message for code into out (out_size bytes, zero-filled first, cut short if it
// would not fit), with registered_sign, the sign in the system's code page, in the message
// for code 11; a null sign is written as "(R)". Other codes ignore registered_sign.
void format_shell_error(int code, const char* registered_sign, char* out, size_t out_size);
