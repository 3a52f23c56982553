#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of bathyra-cli (resources/desktop/bathyra-cli.bash) against the rows of
# data/completion.txt, in a scratch folder with one file of each kind.
set -uo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && touch plan.div dive.uddf log.xml notes.txt fw.hex && mkdir sub
# shellcheck source=/dev/null
source "$source_dir/resources/desktop/bathyra-cli.bash"
failures=0
while IFS='|' read -r before current expected; do
  before=$(echo $before)
  current=$(echo $current)
  expected=$(echo $expected)
  [ "$current" = - ] && current=""
  [ "$expected" = - ] && expected=""
  read -ra COMP_WORDS <<<"$before"
  COMP_WORDS+=("$current")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _bathyra_cli
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort -u | tr '\n' ' ' | sed 's/ $//')
  if [ "$got" != "$expected" ]; then
    echo "FAIL '$before $current': expected '$expected', got '$got'"
    failures=$((failures + 1))
  fi
done < <(grep -v '^#' "$source_dir/tests/cli/data/completion.txt")
[ "$failures" -eq 0 ] && echo "completion: all rows pass"
exit "$failures"
