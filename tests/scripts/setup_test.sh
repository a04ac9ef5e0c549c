#!/usr/bin/env bash
# The set-up script's decisions, without root and without the network: apt-get, dpkg and
# dpkg-query are stand-ins on PATH that play a registry with failing lists or packages.
set -uo pipefail
setup=$(cd "$(dirname "$0")/../.." && pwd)/scripts/setup.sh
failures=0
passed=0
check() { # NAME EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
    else
        failures=$((failures + 1))
        printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
    fi
}

# --- the 32-bit plan: runs32 installed arch failed-lately -> plan
source "$setup"
while read -r runs32 installed arch failed expected; do
    check "plan_32bit $runs32 $installed $arch $failed" "$expected" \
        "$(plan_32bit "$runs32" "$installed" "$arch" "$failed")"
done <<'EOF'
no  no  no  no  skip
no  yes yes no  skip
no  no  yes yes skip
yes yes yes no  ready
yes yes no  yes ready
yes no  yes yes failed
yes no  no  yes failed
yes no  yes no  install
yes no  no  no  add-and-install
EOF
probe=$(kernel_runs_32bit)
case "$probe" in yes | no) check "the 32-bit probe answers" ok ok ;; *) check "the 32-bit probe answers" yes/no "$probe" ;; esac

# --- whole runs against a stand-in registry
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
cat >"$work/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
# Logs each call; fails "update" FAKE_UPDATE_FAILS times; never installs FAKE_BROKEN.
echo "apt-get $*" >>"$FAKE/log"
if [ "$1" = update ]; then
    n=$(cat "$FAKE/update-count" 2>/dev/null || echo 0)
    echo $((n + 1)) >"$FAKE/update-count"
    [ "$n" -ge "$FAKE_UPDATE_FAILS" ]
    exit
fi
for arg in "$@"; do
    case " $FAKE_BROKEN " in *" $arg "*) exit 100 ;; esac
done
for arg in "$@"; do
    case "$arg" in -*|install) ;; *) echo "$arg" >>"$FAKE/installed" ;; esac
done
EOF
cat >"$work/bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
grep -qx "${@: -1}" "$FAKE/installed" 2>/dev/null && printf 'install ok installed'
EOF
cat >"$work/bin/dpkg" <<'EOF'
#!/usr/bin/env bash
echo "dpkg $*" >>"$FAKE/log"
[ "$1" = --print-foreign-architectures ] && cat "$FAKE/arches" 2>/dev/null
exit 0
EOF
chmod +x "$work/bin/"*

# run_setup NAME RUNS32 UPDATE_FAILS BROKEN PREINSTALLED(all|base|none) ARCHES
# Prints the exit code, then the calls made, one per line, with the output's lines
# that start with "setup:" after them.
run_setup() {
    local name=$1
    export FAKE=$work/$name
    rm -rf "$FAKE"
    mkdir -p "$FAKE/state"
    export FAKE_UPDATE_FAILS=$3 FAKE_BROKEN=$4
    case "$5" in
    all | base)
        (source "$setup" && printf '%s\n' "${base_packages[@]}") >"$FAKE/installed"
        [ "$5" = all ] && echo "wine32:i386" >>"$FAKE/installed" ;;
    esac
    printf '%s' "$6" >"$FAKE/arches"
    local status=0
    PATH=$work/bin:$PATH SETUP_APT=apt-get SETUP_RETRY_PAUSE=0 SETUP_RUNS_32BIT=$2 \
        SETUP_STATE_DIR=$FAKE/state bash "$setup" >"$FAKE/out" 2>&1 || status=$?
    echo "$status"
}
calls() { cat "$work/$1/log" 2>/dev/null | grep -c "$2"; }
said() { grep -c -- "$2" "$work/$1/out"; }

# Everything in place: no apt-get call at all, so no network.
check "ready: exit" 0 "$(run_setup ready yes 0 '' all i386)"
check "ready: apt-get calls" 0 "$(calls ready apt-get)"
check "ready: says so" 1 "$(said ready 'everything is installed')"
# A kernel without 32-bit support never gets the i386 architecture or wine32.
check "no32: exit" 0 "$(run_setup no32 no 0 '' none '')"
check "no32: arch added" 0 "$(calls no32 'add-architecture')"
check "no32: wine32 asked for" 0 "$(calls no32 'wine32')"
check "no32: one line says why" 1 "$(said no32 'cannot run 32-bit programs')"
# Lists that fail twice, then refresh: two retries, everything installed.
check "flaky lists: exit" 0 "$(run_setup flaky yes 2 '' none '')"
check "flaky lists: updates" 3 "$(calls flaky 'apt-get update')"
check "flaky lists: arch added" 1 "$(calls flaky 'add-architecture i386')"
check "flaky lists: wine32 installed" 1 "$(grep -cx 'wine32:i386' "$work/flaky/installed")"
# Lists that never refresh: three tries, then the install goes on and succeeds.
check "broken lists: exit" 0 "$(run_setup lists yes 99 '' none i386)"
check "broken lists: updates" 3 "$(calls lists 'apt-get update')"
check "broken lists: cmake installed" 1 "$(grep -cx cmake "$work/lists/installed")"
# wine32 that cannot be installed: one line, success, and the next run stays offline.
check "no wine32: exit" 0 "$(run_setup nowine yes 0 'wine32:i386' base i386)"
check "no wine32: one line" 1 "$(said nowine 'wine32:i386 could not be installed;')"
FAKE=$work/nowine PATH=$work/bin:$PATH SETUP_APT=apt-get SETUP_RUNS_32BIT=yes \
    SETUP_STATE_DIR=$work/nowine/state bash "$setup" >"$work/nowine/out2" 2>&1
check "no wine32: second run calls apt-get" 1 "$(calls nowine 'apt-get update')"
check "no wine32: second run says why" 1 "$(grep -c 'could not be installed lately' "$work/nowine/out2")"
# A needed package that cannot be installed stops set-up, naming it and the retry command.
check "broken package: exit" 1 "$(run_setup broken no 0 'nsis' none '')"
check "broken package: named" 1 "$(said broken 'could not install nsis; retry with: .*apt-get install nsis$')"
check "broken package: others not named" 0 "$(said broken 'could not install .*cmake')"

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
