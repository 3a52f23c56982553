#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the layers, the formatting and the licence lines, builds Bathyra twice (plain,
# and with AddressSanitizer and UndefinedBehaviorSanitizer) and runs the whole test suite
# through CTest in both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/check-layers.sh
scripts/check-format.sh
scripts/check-spdx.sh
jobs="$(nproc)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBATHYRA_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ctest --output-on-failure -j"$jobs" -L sanitize)
