#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every source file of the project (C++ sources and headers, scripts of the
# validation suite, CMake files and the shell and Python scripts) carries the licence line
#     SPDX-License-Identifier: GPL-3.0-or-later
# on its first line, or on its second after a "#!" line; names each file without it and
# exits 1 then. With --fix, inserts the line in the file's comment syntax instead ("//" for
# C++ and ECMAScript, "#" for CMake, shell and Python). Only files tracked by Git count.
set -euo pipefail
cd "$(dirname "$0")/.."

LICENCE="SPDX-License-Identifier: GPL-3.0-or-later"

# The comment that opens a licence line in this file, empty for a file that is not checked.
comment_of() {
  case "$1" in
  *.cpp | *.h | *.h.in | *.qs | *.js) echo "//" ;;
  CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.py) echo "#" ;;
  *) echo "" ;;
  esac
}

# True when the file already carries the line where it belongs.
has_licence() {
  local first
  first=$(head -n 1 "$1")
  if [[ "$first" == "#!"* ]]; then
    sed -n 2p "$1" | grep -qF "$LICENCE"
  else
    grep -qF "$LICENCE" <<<"$first"
  fi
}

fix=0
[ "${1:-}" = "--fix" ] && fix=1

missing=()
checked=0
while IFS= read -r f; do
  c=$(comment_of "$f")
  [ -n "$c" ] || continue
  [ -f "$f" ] || continue
  checked=$((checked + 1))
  has_licence "$f" && continue
  if [ "$fix" -eq 1 ]; then
    tmp=$(mktemp)
    if [[ "$(head -n 1 "$f")" == "#!"* ]]; then
      { head -n 1 "$f"; echo "$c $LICENCE"; tail -n +2 "$f"; } >"$tmp"
    else
      { echo "$c $LICENCE"; cat "$f"; } >"$tmp"
    fi
    chmod --reference="$f" "$tmp"
    mv "$tmp" "$f"
  fi
  missing+=("$f")
done < <(git ls-files -- ':!:fuzz/corpus' ':!:tests/*/data/*')

if [ "$fix" -eq 1 ]; then
  echo "check-spdx: licence line added to ${#missing[@]} of $checked files"
  exit 0
fi
if [ ${#missing[@]} -gt 0 ]; then
  printf '%s\n' "${missing[@]}"
  echo "check-spdx: ${#missing[@]} of $checked files lack the line '$LICENCE'" \
    "(scripts/check-spdx.sh --fix)"
  exit 1
fi
echo "check-spdx: all $checked files carry '$LICENCE'"
