#include "app/startup/relogin_rules.h"

#include <cstring>

namespace {
constexpr uint32_t LOGOFF = 0x00, SHUTDOWN = 0x01, REBOOT = 0x02, POWEROFF = 0x08, FORCE_IF_HUNG = 0x10;
}

uint32_t exit_flags_for_mode(int mode)
{
    switch (mode) {
    case 0:
        return SHUTDOWN | POWEROFF | FORCE_IF_HUNG;
    case 1:
        return REBOOT | FORCE_IF_HUNG;
    case 2:
        return LOGOFF | FORCE_IF_HUNG;
    default:
        return static_cast<uint32_t>(mode);
    }
}

int has_reboot_switch(const char* arguments)
{
    if (arguments == nullptr || arguments[0] == '\0') {
        return 0;
    }
    return std::strstr(arguments, "/reboot") != nullptr ? 1 : 0;
}
