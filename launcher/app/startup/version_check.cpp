#include "version_check.h"

bool is_vista_version(int query_ok, uint32_t platform_id, uint32_t major_version)
{
    return query_ok != 0 && platform_id == PLATFORM_WIN32_NT && major_version >= 6;
}
