#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Collects the translatable texts of the sources and forms into the Qt Linguist files
# resources/translations/bathyra_<lang>.ts. Existing translations are kept, texts that
# are gone are dropped; new texts appear as unfinished, to be translated (Qt Linguist)
# before the build's lrelease reports every language complete.
set -euo pipefail
cd "$(dirname "$0")/.."

dirs=()
for d in engine planner profiles device cfeditor plot app script updates cli resources; do
  [ -d "$d" ] && dirs+=("$d")
done
ts=()
for lang in de es fr it ru; do
  ts+=("resources/translations/bathyra_${lang}.ts")
done
lupdate -I . -no-obsolete -locations relative "${dirs[@]}" -ts "${ts[@]}"

# A summary per language: the build needs every message finished.
for f in "${ts[@]}"; do
  lrelease "$f" -qm /dev/null | grep -iE 'generated|ignored' | sed "s|^|$(basename "$f"): |"
done
