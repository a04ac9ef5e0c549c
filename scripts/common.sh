# Shared by the scripts: the Windows build this machine can run under Wine.
# Sourced, not run.

# The 32-bit build is the product; machines whose kernel cannot execute 32-bit code run
# the 64-bit build under Wine instead.
runnable_preset() {
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then
        echo mingw-i686
    else
        echo mingw-x64
    fi
}

wine_loader_for() {
    case "$1" in
    mingw-i686) echo /usr/lib/wine/wine ;;
    *) echo /usr/lib/wine/wine64 ;;
    esac
}

configure_and_build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}
