#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Line and branch coverage of the source folders by the CTest suite.
#
# Builds the project with --coverage -O0 in build-coverage/, runs the whole CTest suite
# there and prints, overall and per folder, line coverage and branch coverage twice:
# with every branch, and without the branches the compiler adds for exceptions and
# unreachable code (--exclude-throw-branches --exclude-unreachable-branches).
# Tests, benchmarks, fuzz targets and generated files are not counted.
#
#   scripts/coverage.sh              build, test, report
#   scripts/coverage.sh -R <regex>   the same with only the CTest entries matching <regex>
#   scripts/coverage.sh --report     report on the last run only
set -euo pipefail
mode=run; select=()
case "${1:-}" in
  --report) mode=report ;;
  -R) select=(-R "$2") ;;
esac
cd "$(dirname "$0")/.."
root="$PWD"
build="$root/build-coverage"
folders=(engine planner profiles device cfeditor plot app script updates cli tools)

scripts/deps.sh
if ! command -v gcovr >/dev/null; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends gcovr
fi

if [ "$mode" = run ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_C_FLAGS="--coverage -O0" \
    -DCMAKE_EXE_LINKER_FLAGS="--coverage" >/dev/null
  cmake --build "$build" -j"$(nproc)"
  find "$build" -name '*.gcda' -delete
  # Notes of test programs that no longer exist would make gcovr look for their sources.
  find "$build/tests" -path '*/CMakeFiles/*.dir/*.cpp.gcno' ! -path '*_autogen/*' 2>/dev/null |
    while read -r note; do
      rel=${note#"$build"/}
      sub=${note#*.dir/}
      src="$root/${rel%%/CMakeFiles/*}/${sub//__/..}"
      src=${src%.gcno}
      [ -e "$src" ] || rm -f "$note"
    done
  (cd "$build" && ctest -j"$(nproc)" --output-on-failure "${select[@]}") || true
fi

filter=()
for f in "${folders[@]}"; do filter+=(--filter "$root/$f/"); done
common=(-r "$root" "$build" "${filter[@]}" --exclude '.*_autogen/.*' --exclude '.*/moc_.*'
        --exclude '.*/ui_.*' --exclude '.*/qrc_.*' -j"$(nproc)")
out="$build/coverage"
mkdir -p "$out"
gcovr "${common[@]}" --json-summary "$out/all.json" >/dev/null
gcovr "${common[@]}" --exclude-throw-branches --exclude-unreachable-branches \
  --json-summary "$out/nothrow.json" >/dev/null

python3 - "$out/all.json" "$out/nothrow.json" "${folders[@]}" <<'EOF'
import json, sys
all_, nothrow = (json.load(open(p)) for p in sys.argv[1:3])
folders = sys.argv[3:]

def sums(report, prefix):
    t = {"lc": 0, "lt": 0, "bc": 0, "bt": 0}
    for f in report["files"]:
        if prefix and not f["filename"].startswith(prefix + "/"):
            continue
        t["lc"] += f["line_covered"]; t["lt"] += f["line_total"]
        t["bc"] += f["branch_covered"]; t["bt"] += f["branch_total"]
    return t

def pct(c, t):
    return f"{100.0 * c / t:6.1f} %" if t else "     -  "

print(f"{'folder':<10} {'lines':>8} {'line cov':>9} {'branches':>9} {'all br.':>9} {'no-throw':>9}"
      f"  {'covered lines / no-throw branches':>33}")
for name in folders + [""]:
    a, n = sums(all_, name), sums(nothrow, name)
    if a["lt"] == 0:
        continue
    print(f"{name or 'overall':<10} {a['lt']:>8} {pct(a['lc'], a['lt']):>9} {n['bt']:>9} "
          f"{pct(a['bc'], a['bt']):>9} {pct(n['bc'], n['bt']):>9}  {a['lc']:>16} / {n['bc']:<16}")
EOF

# Size of the suite against the code it tests (non-blank lines of C++ sources and headers).
count() { find "$@" \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | xargs -0 cat | grep -cv '^\s*$'; }
src=(); for f in "${folders[@]}"; do [ -d "$f" ] && src+=("$f"); done
code=$(count "${src[@]}"); tests=$(count tests)
echo "non-blank lines: code $code, tests $tests, ratio $(( 100 * tests / code )) %"
