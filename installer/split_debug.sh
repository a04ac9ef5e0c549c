#!/usr/bin/env bash
# The installer ships stripped files; their debugging information stays in the build folder
# for crash analysis, each file linked to it by name and checksum (.gnu_debuglink).
#   split_debug.sh OBJCOPY STAGE DEBUG_FOLDER FILE...
set -euo pipefail
objcopy=$1 stage=$2 debug=$3
shift 3
mkdir -p "$debug"
for name in "$@"; do
    "$objcopy" --only-keep-debug "$stage/$name" "$debug/$name.debug"
    "$objcopy" --strip-all "$stage/$name"
    # The link names the file only; a debugger finds it beside the program or in a folder
    # it is told of, such as the one this script writes to.
    (cd "$debug" && "$objcopy" --add-gnu-debuglink="$name.debug" "$stage/$name")
done
