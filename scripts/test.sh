#!/usr/bin/env bash
# Installs what is missing, checks the layers and the formatting, builds Bathyra twice (plain,
# and with AddressSanitizer and UndefinedBehaviorSanitizer) and runs the whole test suite
# through CTest in both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/check-layers.sh
scripts/check-format.sh
# The licence line of every source file: checked once the tree carries it (scripts/check-spdx.sh --fix).
if [ "${BATHYRA_CHECK_SPDX:-0}" = 1 ]; then
  scripts/check-spdx.sh
fi
jobs="$(nproc)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBATHYRA_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ctest --output-on-failure -j"$jobs" -L sanitize)
