#!/usr/bin/env bash
# Sets up the machine, builds every configuration and runs every test: the portable code
# natively under AddressSanitizer and UndefinedBehaviorSanitizer, and both Windows builds
# with their tests under Wine on private Xvfb displays. Arguments go to every ctest run
# (for example --schedule-random, or -R PATTERN).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

bash scripts/setup.sh

status=0
for preset in native mingw-i686 mingw-x64; do
    echo "== $preset"
    configure_and_build "$preset"
    ctest --preset "$preset" "$@" || status=1
done
exit $status
