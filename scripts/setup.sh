#!/usr/bin/env bash
# Installs what building and testing Vantrel needs on Debian/Ubuntu. Idempotent: with
# everything in place it only reads the package database (no network, well under a second).
#
# 32-bit Wine is installed only where this kernel runs 32-bit programs (a tiny static
# 32-bit program is run to find out); elsewhere the 64-bit build runs under Wine. A package
# index that will not refresh (a mirror being synced) is retried and then tolerated: only a
# package that cannot be installed stops set-up.
#
# Sourcing this file defines its functions without running anything (for the tests).
# Tunables for the tests: SETUP_APT (the apt-get command), SETUP_RETRY_PAUSE (seconds).

base_packages=(
    cmake ninja-build make
    g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
    wine wine64 fonts-wine
    xvfb xdotool x11-utils imagemagick
    googletest
    clang
    python3
    nsis
)
wine32_package=wine32:i386

# Prints "yes" when this kernel executes a static 32-bit x86 program, "no" otherwise. The
# program is 91 bytes: an ELF header, one segment and exit(42) through int 0x80.
kernel_runs_32bit() {
    local probe status
    probe=$(mktemp "${TMPDIR:-/tmp}/vantrel-probe32.XXXXXX") || { echo no; return; }
    printf '%b' \
        '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
        '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
        '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
        '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' \
        '\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00' \
        '\x00\x10\x00\x00\x31\xdb\xb3\x2a\x31\xc0\x40\xcd\x80' >"$probe"
    chmod +x "$probe"
    status=0
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    if [ "$status" -eq 42 ]; then echo yes; else echo no; fi
}

# Where a failed wine32 install is remembered, so that set-up does not go to the network
# for it on every run; it is tried again a day later, or at once when this file is removed.
wine32_failure_stamp() {
    echo "${SETUP_STATE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/vantrel-setup}/wine32-failed"
}

wine32_failed_recently() {
    local stamp
    stamp=$(wine32_failure_stamp)
    if [ -f "$stamp" ] && [ -n "$(find "$stamp" -mmin -1440 2>/dev/null)" ]; then echo yes; else echo no; fi
}

# The 32-bit plan from four facts (each yes/no): does the kernel run 32-bit code, is
# wine32 already installed, is i386 already a dpkg architecture, did installing wine32
# fail within the last day. Prints one of:
#   skip          32-bit code cannot run here: no wine32, no i386 architecture
#   ready         wine32 is installed
#   failed        wine32 could not be installed lately: the 64-bit build runs under Wine
#   install       install wine32 (the architecture is there)
#   add-and-install  add the i386 architecture, then install wine32
plan_32bit() {
    local runs32=$1 installed=$2 arch=$3 failed=$4
    if [ "$runs32" != yes ]; then
        echo skip
    elif [ "$installed" = yes ]; then
        echo ready
    elif [ "$failed" = yes ]; then
        echo failed
    elif [ "$arch" = yes ]; then
        echo install
    else
        echo add-and-install
    fi
}

is_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# Runs a command as root: directly when root (or when the tests stand in for apt-get).
as_root() {
    if [ "$(id -u)" -eq 0 ] || [ -n "${SETUP_APT:-}" ]; then "$@"; else sudo "$@"; fi
}

apt_cmd() {
    as_root env DEBIAN_FRONTEND=noninteractive "${SETUP_APT:-apt-get}" "$@"
}

# apt-get update, tried up to three times; a list that still fails to refresh is reported
# and tolerated (the install below says what, if anything, is then missing).
refresh_lists() {
    local attempt
    for attempt in 1 2 3; do
        if apt_cmd update -qq; then
            return 0
        fi
        if [ "$attempt" -lt 3 ]; then
            echo "setup: refreshing the package lists failed (try $attempt of 3); trying again"
            sleep "${SETUP_RETRY_PAUSE:-5}"
        fi
    done
    echo "setup: some package lists could not be refreshed; going on with what there is"
}

# Installs the given packages; on failure names each one that cannot be installed.
install_packages() {
    if apt_cmd install -y -qq --no-install-recommends "$@" >/dev/null; then
        return 0
    fi
    local p failed=()
    for p in "$@"; do
        is_installed "$p" && continue
        apt_cmd install -y -qq --no-install-recommends "$p" >/dev/null 2>&1 || failed+=("$p")
    done
    if [ ${#failed[@]} -gt 0 ]; then
        local retry="apt-get update && apt-get install ${failed[*]}"
        [ "$(id -u)" -ne 0 ] && retry="sudo apt-get update && sudo apt-get install ${failed[*]}"
        echo "setup: could not install ${failed[*]}; retry with: $retry" >&2
        return 1
    fi
}

main() {
    set -euo pipefail
    local missing=() p runs32 plan lists_fresh=no
    for p in "${base_packages[@]}"; do
        is_installed "$p" || missing+=("$p")
    done
    runs32=${SETUP_RUNS_32BIT:-$(kernel_runs_32bit)}
    plan=$(plan_32bit "$runs32" \
        "$(is_installed "$wine32_package" && echo yes || echo no)" \
        "$(dpkg --print-foreign-architectures | grep -qx i386 && echo yes || echo no)" \
        "$(wine32_failed_recently)")

    if [ ${#missing[@]} -eq 0 ]; then
        case "$plan" in
        ready)
            echo "setup: everything is installed"
            return 0 ;;
        skip | failed)
            echo "setup: everything is installed; $(no_wine32_reason "$plan")"
            return 0 ;;
        esac
    fi

    if [ "$plan" = add-and-install ]; then
        as_root dpkg --add-architecture i386
    fi
    if [ ${#missing[@]} -gt 0 ]; then
        echo "setup: installing ${missing[*]}"
        refresh_lists
        lists_fresh=yes
        install_packages "${missing[@]}"
    fi
    case "$plan" in
    skip | failed)
        echo "setup: $(no_wine32_reason "$plan")" ;;
    install | add-and-install)
        echo "setup: installing $wine32_package"
        [ "$lists_fresh" = yes ] || refresh_lists
        local stamp
        stamp=$(wine32_failure_stamp)
        if install_packages "$wine32_package" 2>/dev/null; then
            rm -f "$stamp"
        else
            mkdir -p "$(dirname "$stamp")" && touch "$stamp"
            echo "setup: $wine32_package could not be installed; the 64-bit build runs under Wine (tried again after a day, or at once if $stamp is removed)"
        fi ;;
    esac
}

no_wine32_reason() {
    case "$1" in
    skip) echo "this kernel cannot run 32-bit programs; the 64-bit build runs under Wine" ;;
    failed) echo "$wine32_package could not be installed lately; the 64-bit build runs under Wine (remove $(wine32_failure_stamp) to try again)" ;;
    esac
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    main "$@"
fi
