#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the code keeps its layers (ARCHITECTURE.md): which folder may include which, that
# widgets and Qwt stay in the window folders, and that the engine is plain C++ without Qt.
# Prints every offending line as file:line and exits 1 when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

# Allowed directions: a folder may include its own headers and those of the folders after it.
# The order of the rows is the order of the layers, lowest first.
declare -A MAY_INCLUDE=(
  [engine]="engine"
  [device]="device engine"
  [profiles]="profiles device engine"
  [planner]="planner profiles device engine"
  [plot]="plot planner profiles device engine"
  [cfeditor]="cfeditor device"
  [script]="script planner profiles device engine"
  [updates]="updates device"
  [app]="app cfeditor script updates plot planner profiles device engine"
  [cli]="cli app cfeditor script updates plot planner profiles device engine"
  [tools]="tools device engine"
)
# Folders and files that hold windows and dialogs: the only places for widgets and Qwt.
WINDOW_FOLDERS="app plot cfeditor script updates cli"
WINDOW_FILES="profiles/profile_editor.h profiles/profile_editor.cpp"
# The profile model owns the plot items that draw it (its depth and ppO2 curves and markers);
# the one place outside the windows allowed to name Qwt, and nothing else of the widgets.
QWT_MODEL_FILES="profiles/dive_profile.h profiles/dive_profile.cpp"

failures=0
fail() {
  echo "$1"
  failures=$((failures + 1))
}

sources() { find "$1" -name '*.h' -o -name '*.cpp' | sort; }

is_window_file() {
  local f=$1 dir=${1%%/*}
  [[ " $WINDOW_FOLDERS " == *" $dir "* || " $WINDOW_FILES " == *" $f "* ]]
}

for dir in "${!MAY_INCLUDE[@]}"; do
  [ -d "$dir" ] || continue
  allowed=" ${MAY_INCLUDE[$dir]} "
  while IFS= read -r f; do
    while IFS=: read -r line text; do
      target=$(sed -E 's/^#include "([a-z_]+)\/.*/\1/' <<<"$text")
      # The profile editor is a window of its own: it sits above the model beside it.
      if [[ "$allowed" != *" $target "* ]]; then
        fail "$f:$line: $dir may not include $target ($text)"
      fi
    done < <(grep -nE '^#include "[a-z_]+/' "$f")
    if ! is_window_file "$f"; then
      while IFS=: read -r line text; do
        if [[ " $QWT_MODEL_FILES " == *" $f "* && "$text" == *qwt_* ]]; then
          continue
        fi
        fail "$f:$line: widgets belong to the window folders ($text)"
      done < <(grep -nE '^#include <(QWidget|QDialog|QMainWindow|QMessageBox|QtWidgets|QApplication|QAbstractButton|QSpinBox|QCheckBox|QLabel|QPushButton|QFileDialog|qwt_)' "$f")
    fi
    if [ "$dir" = engine ]; then
      while IFS=: read -r line text; do
        fail "$f:$line: the engine is plain C++ ($text)"
      done < <(grep -nE '^#include <(Q|qwt)' "$f")
    fi
  done < <(sources "$dir")
done

# Links: only window libraries link the widgets or Qwt; the engine links no Qt at all.
while IFS= read -r cm; do
  dir=$(dirname "$cm")
  while IFS= read -r stmt; do
    target=$(sed -E 's/target_link_libraries\(([A-Za-z0-9_]+).*/\1/' <<<"$stmt")
    if [ "$dir" = engine ] && grep -q 'Qt5::' <<<"$stmt"; then
      fail "$cm: $target: the engine links no Qt"
    fi
    if [[ " $WINDOW_FOLDERS " != *" $dir "* && "$target" != bathyra_profile_editor ]]; then
      if grep -q 'Qt5::Widgets' <<<"$stmt" ||
        { grep -q 'Qwt::Qwt' <<<"$stmt" && [ "$target" != bathyra_profiles ]; }; then
        fail "$cm: $target links widgets or Qwt outside the window folders"
      fi
    fi
  done < <(tr '\n' ' ' <"$cm" | grep -oE 'target_link_libraries\([^)]*\)')
done < <(printf '%s/CMakeLists.txt\n' "${!MAY_INCLUDE[@]}" | while read -r c; do [ -f "$c" ] && echo "$c"; done)

if [ "$failures" -gt 0 ]; then
  echo "check-layers: $failures offence(s) against the layers of ARCHITECTURE.md"
  exit 1
fi
echo "check-layers: the layers hold"
