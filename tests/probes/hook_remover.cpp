// Removes the chord hook from outside the launcher, as the system does when it drops a
// hook: the library's shared section names the hook. Exit code: _remove_module's result.
#include "chordhook.h"

int main()
{
    return _remove_module();
}
