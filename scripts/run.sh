#!/usr/bin/env bash
# Sets up the machine, builds Vantrel and starts it under Wine on your display, in a Wine
# prefix of its own (build/run-prefix), with the install folder recorded in its registry.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

bash scripts/setup.sh

preset=$(runnable_preset)
configure_and_build "$preset"
install_dir=$PWD/build/install-${preset#mingw-}
cmake --install "build/$preset" --prefix "$install_dir" >/dev/null

if [ -z "${DISPLAY:-}" ]; then
    echo "run.sh: no X display (DISPLAY is empty); start one, or use: xvfb-run scripts/run.sh" >&2
    exit 1
fi

loader=$(wine_loader_for "$preset")
export WINEPREFIX=$PWD/build/run-prefix-${preset#mingw-}
export WINELOADER=$loader
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "run.sh: creating the Wine prefix $WINEPREFIX"
    "$loader" wineboot -i >/dev/null 2>&1
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
fi
"$loader" reg add 'HKLM\SOFTWARE\Brasmoor\Vantrel' /v path /d "Z:${install_dir//\//\\}" /f >/dev/null 2>&1
echo "run.sh: starting Vantrel ($preset) from $install_dir"
exec "$loader" "$install_dir/Vantrel.exe" "$@"
