// Flags of the data files hold 1 for on and 0 for off, but a damaged or edited file may
// hold any other value. Every reader takes only 1 as on, so that what the options dialog
// shows and what the program does always agree.
#pragma once

#include <cstdint>

constexpr bool flag_on(int32_t value)
{
    return value == 1;
}
