#!/usr/bin/env bash
# Fails when a C++ file of the project differs from its clang-format output.
set -euo pipefail
cd "$1"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench -name '*.cpp' -o -name '*.h')
[ -n "$files" ] || exit 0
clang-format --dry-run -Werror $files
