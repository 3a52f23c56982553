#!/usr/bin/env bash
# Builds the Debian package from a clean clone of this repository (its current commit;
# uncommitted changes are not part of it), installs it with apt-get, plans a dive with
# the installed bathyra-cli, removes the package with dpkg -r and checks that none of
# its files is left. Needs root or sudo (apt-get, dpkg).
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
if dpkg-query -W -f='${Status}' bathyra 2>/dev/null | grep -q 'install ok installed'; then
  echo "bathyra is already installed; remove it first (dpkg -r bathyra)" >&2
  exit 1
fi
"$repo/scripts/deps.sh"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
commit="$(git -C "$repo" rev-parse HEAD)"
echo "== clean clone of $commit"
git clone -q --no-local "$repo" "$work/src"
git -C "$work/src" checkout -q "$commit"

echo "== build and package"
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$work"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DBATHYRA_BUILD_TESTS=OFF \
      "${launcher[@]}" >"$work/configure.log" || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build" -j"$(nproc)" >"$work/build.log" 2>&1 || { tail -50 "$work/build.log"; exit 1; }
(cd "$work/build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
cd "$work/build"
deb="$(ls bathyra_*.deb)"
echo "$deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends

echo "== install"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./$deb"
files="$(dpkg -L bathyra)"
for f in /usr/bin/bathyra /usr/bin/bathyra-cli /usr/bin/bathyra-ostc-sim \
         /usr/share/applications/bathyra.desktop /usr/share/icons/hicolor/128x128/apps/bathyra.png \
         /usr/share/bathyra/help/index.html /usr/share/bathyra/translations/bathyra_de.qm \
         /usr/share/bathyra/Tests/utils.qs; do
  grep -qx "$f" <<<"$files" || { echo "FAILED: $f is not in the package" >&2; exit 1; }
done

echo "== plan a dive with the installed bathyra-cli"
cd "$work"
if ! /usr/bin/bathyra-cli --set gradientFactor=true --set O2_1=21 --set dive_depth=40 --set dive_time=25 \
     simulate >plan.txt 2>plan.err; then
  cat plan.txt plan.err
  echo "FAILED: the installed bathyra-cli did not plan the dive" >&2
  exit 1
fi
grep -q 'TTS' plan.txt || { cat plan.txt; echo "FAILED: no runtime in the plan" >&2; exit 1; }
tail -n 15 plan.txt

echo "== start the program from the menu entry (offscreen, private home, 5 s)"
exec_line="$(sed -n 's/^Exec=//p' /usr/share/applications/bathyra.desktop)"
mkdir -p "$work/home"
status=0
HOME="$work/home" XDG_RUNTIME_DIR="$work/home" QT_QPA_PLATFORM=offscreen timeout 5 $exec_line \
  >"$work/start.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  cat "$work/start.log"
  echo "FAILED: '$exec_line' ended with status $status instead of running" >&2
  exit 1
fi
echo "'$exec_line' was running when stopped"

echo "== remove"
$SUDO dpkg -r bathyra
if dpkg-query -W -f='${Status}' bathyra 2>/dev/null | grep -q 'install ok installed'; then
  echo "FAILED: bathyra is still installed" >&2
  exit 1
fi
left=0
while read -r f; do
  if [ -f "$f" ] || [ -L "$f" ]; then echo "left behind: $f"; left=1; fi
done <<<"$files"
[ -e /usr/share/bathyra ] && { echo "left behind: /usr/share/bathyra"; left=1; }
[ "$left" -eq 0 ] || { echo "FAILED: files left behind" >&2; exit 1; }
echo "OK: $deb built, installed, planned a dive and was removed cleanly"
