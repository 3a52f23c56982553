#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every C++ file of the project is as clang-format (.clang-format) writes it and
# names each file that is not; exit 1 then. With --fix, formats them in place instead
# (`cmake --build build --target format` runs this).
set -euo pipefail
cd "$(dirname "$0")/.."

FOLDERS=(engine device profiles planner plot cfeditor script updates app cli tools tests bench fuzz
  docs/screenshots/programs)
mapfile -t files < <(find "${FOLDERS[@]}" \( -name '*.cpp' -o -name '*.h' \) -type f 2>/dev/null | sort)

if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  echo "check-format: ${#files[@]} files formatted"
  exit 0
fi

bad=()
for f in "${files[@]}"; do
  if ! clang-format --dry-run -Werror "$f" >/dev/null 2>&1; then
    bad+=("$f")
  fi
done
if [ ${#bad[@]} -gt 0 ]; then
  printf '%s\n' "${bad[@]}"
  echo "check-format: ${#bad[@]} of ${#files[@]} files differ from clang-format's output" \
    "(cmake --build build --target format)"
  exit 1
fi
echo "check-format: ${#files[@]} files as clang-format writes them"
