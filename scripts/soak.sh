#!/usr/bin/env bash
# The long reliability run: the real launcher under Wine through the given number of chord,
# launch and hide cycles (default 1000), with its hook removed behind its back every 250
# cycles. Each cycle must show the window and start the probe program exactly once; kernel
# handles, GDI objects and windows must not grow; the data files must stay byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
cycles=${1:-1000}

bash scripts/setup.sh
preset=$(runnable_preset)
configure_and_build "$preset"

build=$PWD/build/$preset
export VANTREL_BIN=$build/bin
export VANTREL_WINE_ENV=$PWD/tests/harness/wine-env
export VANTREL_WINE_ENV_DIR=$build/wine
export VANTREL_WINE_LOADER=$(wine_loader_for "$preset")
export VANTREL_ARTIFACTS=$build/artifacts
export VANTREL_CYCLES=$cycles
cd tests/e2e
exec python3 -m unittest -v \
    test_reliability.LauncherUnderStress.test_cycles_launch_every_time_with_no_growth_and_unchanged_files
