#!/usr/bin/env bash
# Formats every C++ file of the tree with the project's .clang-format.
# With --check nothing is changed: the files that differ are listed and the
# script fails when there are any.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
command -v clang-format > /dev/null || quibel_install clang-format

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
    clang-format --dry-run --Werror "${files[@]}"
    echo "Formatting: ${#files[@]} files as .clang-format says."
else
    clang-format -i "${files[@]}"
fi
