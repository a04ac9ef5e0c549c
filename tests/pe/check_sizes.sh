#!/usr/bin/env bash
# The shipped files stay lean: each built file, stripped as the installer ships it, is at
# most the given number of bytes.   check_sizes.sh STRIP FILE:LIMIT...
set -euo pipefail
strip=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for spec in "$@"; do
    file=${spec%:*}
    limit=${spec##*:}
    "$strip" -o "$work/stripped" "$file"
    size=$(stat -c %s "$work/stripped")
    if [ "$size" -le "$limit" ]; then
        echo "ok   $(basename "$file"): $size bytes stripped (limit $limit)"
    else
        echo "FAIL $(basename "$file"): $size bytes stripped, over the limit of $limit"
        status=1
    fi
done
exit $status
