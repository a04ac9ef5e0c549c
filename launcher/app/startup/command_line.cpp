#include "command_line.h"

#include <cstring>

int has_reboot_switch(const char* arguments)
{
    if (arguments == nullptr || arguments[0] == '\0') {
        return 0;
    }
    return std::strstr(arguments, "/reboot") != nullptr ? 1 : 0;
}
