#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Bathyra needs to build, run and test, only those missing.
set -euo pipefail
PACKAGES=(
  build-essential cmake pkg-config dpkg-dev
  qtbase5-dev qtbase5-dev-tools libqt5svg5-dev qtscript5-dev libqt5serialport5-dev
  libqwt-qt5-dev qttools5-dev qttools5-dev-tools
  libgtest-dev libbenchmark-dev clang libclang-rt-14-dev clang-format
  help2man lintian desktop-file-utils appstream
  qttranslations5-l10n qt5-image-formats-plugins fonts-dejavu-core xvfb xauth imagemagick poppler-utils
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
