#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of it (.clang-format),
# naming each such file. Usage: check_format.sh <source folder> [clang-format program]
set -uo pipefail
root=$1
format=${2:-clang-format}
cd "$root" || exit 2
find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 "$format" --dry-run --Werror 2>&1 | grep -o '^[^ :]*\.\(cpp\|h\):' | sort -u |
    sed 's/:$//; s/^/off format: /'
status=("${PIPESTATUS[@]}")
# xargs gives 123 when clang-format failed on any file.
[ "${status[1]}" -eq 0 ]
