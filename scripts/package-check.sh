#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a clean clone of this repository (its current commit;
# uncommitted changes are not part of it) with Debian's hardening flags, checks it with lintian
# (--pedantic: any error or warning that is not overridden fails), installs it with apt-get,
# checks the installed menu entry and AppStream data, plans a dive with the installed
# bathyra-cli, runs the installed validation suite as root and as a normal user (nobody, with a
# temporary home) and expects the same summary from both with the suite's folder untouched,
# starts the program with a parameter file, removes the package with dpkg -r and checks that
# none of its files or folders is left. Needs root or sudo (apt-get, dpkg, runuser).
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
installed() { dpkg-query -W -f='${Status}' bathyra 2>/dev/null | grep -q 'install ok installed'; }
if installed; then
  echo "bathyra is already installed; remove it first (dpkg -r bathyra)" >&2
  exit 1
fi
"$repo/scripts/deps.sh"

work="$(mktemp -d)"
chmod 755 "$work"
we_installed=0
cleanup() {
  # A failure after the install still leaves the system without the package.
  if [ "$we_installed" -eq 1 ] && installed; then $SUDO dpkg -r bathyra >/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
commit="$(git -C "$repo" rev-parse HEAD)"
echo "== clean clone of $commit"
git clone -q --no-local "$repo" "$work/src"
git -C "$work/src" checkout -q "$commit"

echo "== build and package (dpkg-buildflags, hardening=+all)"
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$work"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DBATHYRA_BUILD_TESTS=OFF \
      -DBATHYRA_PACKAGE=ON "${launcher[@]}" >"$work/configure.log" || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build" -j"$(nproc)" >"$work/build.log" 2>&1 || { tail -50 "$work/build.log"; exit 1; }
(cd "$work/build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
cd "$work/build"
deb="$(ls bathyra_*.deb)"
echo "$deb"
dpkg-deb --field "$deb" Package Version Architecture Maintainer Depends Recommends

echo "== lintian --pedantic"
# Overridden hints are listed (O:) but do not count; every E: and W: line fails.
status=0
lintian --pedantic --show-overrides --fail-on none "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -E '^[EWIPXO]: ' "$work/lintian.log" || true
count() { grep -c "^$1: " "$work/lintian.log" || true; }
echo "lintian: $(count E) errors, $(count W) warnings, $(count I) info, $(count P) pedantic," \
     "$(count X) experimental, $(count O) overridden"
if [ "$status" -ne 0 ] || [ "$(count E)" -ne 0 ] || [ "$(count W)" -ne 0 ]; then
  cat "$work/lintian.log"
  echo "FAILED: lintian reports errors or warnings" >&2
  exit 1
fi

echo "== install"
we_installed=1
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./$deb"
files="$(dpkg -L bathyra)"
for f in /usr/bin/bathyra /usr/bin/bathyra-cli /usr/bin/bathyra-ostc-sim \
         /usr/share/applications/bathyra.desktop /usr/share/icons/hicolor/scalable/apps/bathyra.svg \
         /usr/share/icons/hicolor/16x16/apps/bathyra.png /usr/share/icons/hicolor/256x256/apps/bathyra.png \
         /usr/share/mime/packages/bathyra.xml /usr/share/bash-completion/completions/bathyra-cli \
         /usr/share/man/man1/bathyra.1.gz /usr/share/man/man1/bathyra-cli.1.gz \
         /usr/share/man/man1/bathyra-ostc-sim.1.gz /usr/share/doc/bathyra/copyright \
         /usr/share/doc/bathyra/changelog.Debian.gz \
         /usr/share/bathyra/help/index.html /usr/share/bathyra/translations/bathyra_de.qm \
         /usr/share/bathyra/Tests/utils.qs; do
  grep -qx "$f" <<<"$files" || { echo "FAILED: $f is not in the package" >&2; exit 1; }
done
grep -q '^/usr/share/metainfo/.*\.metainfo\.xml$' <<<"$files" ||
  { echo "FAILED: no AppStream metainfo in the package" >&2; exit 1; }

echo "== desktop-file-validate and appstreamcli validate"
desktop-file-validate /usr/share/applications/bathyra.desktop
appstreamcli validate --no-net /usr/share/metainfo/*.metainfo.xml
grep -q 'application/x-bathyra-div' /usr/share/mime/globs2 ||
  { echo "FAILED: the .div type is not in the system's MIME database" >&2; exit 1; }

echo "== --help and --version of the installed programs"
for p in bathyra bathyra-cli bathyra-ostc-sim; do
  for o in --help --version; do
    "/usr/bin/$p" "$o" >"$work/out.txt" 2>"$work/err.txt" ||
      { cat "$work/err.txt"; echo "FAILED: $p $o did not exit with 0" >&2; exit 1; }
    [ -s "$work/out.txt" ] && [ ! -s "$work/err.txt" ] ||
      { echo "FAILED: $p $o printed nothing or wrote on standard error" >&2; exit 1; }
  done
done
/usr/bin/bathyra-cli --version | grep -q 'GPL-3.0-or-later' || { echo "FAILED: no licence in --version" >&2; exit 1; }

echo "== plan a dive with the installed bathyra-cli (private home, no runtime folder)"
mkdir -p "$work/home-plan"
if ! env -u XDG_RUNTIME_DIR HOME="$work/home-plan" /usr/bin/bathyra-cli --set gradientFactor=true \
     --set O2_1=21 --set dive_depth=40 --set dive_time=25 simulate >"$work/plan.txt" 2>"$work/plan.err"; then
  cat "$work/plan.txt" "$work/plan.err"
  echo "FAILED: the installed bathyra-cli did not plan the dive" >&2
  exit 1
fi
grep -q 'TTS' "$work/plan.txt" || { cat "$work/plan.txt"; echo "FAILED: no runtime in the plan" >&2; exit 1; }
[ ! -s "$work/plan.err" ] || { cat "$work/plan.err"; echo "FAILED: the run wrote on standard error" >&2; exit 1; }
tail -n 15 "$work/plan.txt"

echo "== the installed validation suite as root and as a normal user"
suite_state() { find /usr/share/bathyra/Tests -printf '%p %s %T@\n' | sort | md5sum; }
before="$(suite_state)"
run_suite() { # user, home
  local user=$1 home=$2 out
  mkdir -p "$home"
  if [ "$user" = root ]; then
    out="$(cd "$home" && $SUDO env -u XDG_RUNTIME_DIR HOME="$home" /usr/bin/bathyra-cli --tests default 2>"$home.err")" ||
      { cat "$home.err" >&2; echo "FAILED: the suite failed as $user" >&2; return 1; }
  else
    $SUDO chown "$user" "$home"
    out="$(cd "$home" && $SUDO runuser -u "$user" -- env -u XDG_RUNTIME_DIR HOME="$home" \
           /usr/bin/bathyra-cli --tests default 2>"$home.err")" ||
      { cat "$home.err" >&2; echo "FAILED: the suite failed as $user" >&2; return 1; }
  fi
  [ ! -s "$home.err" ] || { cat "$home.err" >&2; echo "FAILED: the suite wrote on standard error as $user" >&2; return 1; }
  grep -E '^[0-9]+ passed, [0-9]+ failed$' <<<"$out" | tail -n 1
}
as_root="$(run_suite root "$work/home-root")"
as_user="$(run_suite nobody "$work/home-user")"
echo "root:   $as_root"
echo "nobody: $as_user"
grep -Eq '^[1-9][0-9]* passed, 0 failed$' <<<"$as_root" || { echo "FAILED: suite as root" >&2; exit 1; }
[ "$as_root" = "$as_user" ] || { echo "FAILED: root and a normal user get different results" >&2; exit 1; }
[ "$(suite_state)" = "$before" ] || { echo "FAILED: the suite wrote into its installed folder" >&2; exit 1; }
[ -f "$work/home-user/Documents/Bathyra test report.html" ] ||
  { echo "FAILED: no report in the user's documents folder" >&2; exit 1; }

echo "== start the program from the menu entry with a parameter file (offscreen, private home, 5 s)"
exec_line="$(sed -n 's/^Exec=//p' /usr/share/applications/bathyra.desktop | sed 's/ %[fFuU]//')"
mkdir -p "$work/home"
printf '[Gas]\n0\\O2=32\n' >"$work/plan.div"
status=0
HOME="$work/home" XDG_RUNTIME_DIR="$work/home" QT_QPA_PLATFORM=offscreen timeout 5 $exec_line "$work/plan.div" \
  >"$work/start.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  cat "$work/start.log"
  echo "FAILED: '$exec_line' ended with status $status instead of running" >&2
  exit 1
fi
echo "'$exec_line plan.div' was running when stopped"

echo "== remove"
$SUDO dpkg -r bathyra
if installed; then
  echo "FAILED: bathyra is still installed" >&2
  exit 1
fi
we_installed=0
left=0
while read -r f; do
  if [ -f "$f" ] || [ -L "$f" ]; then echo "left behind: $f"; left=1; fi
done <<<"$files"
for d in /usr/share/bathyra /usr/share/doc/bathyra; do
  [ -e "$d" ] && { echo "left behind: $d"; left=1; }
done
grep -q 'application/x-bathyra-div' /usr/share/mime/globs2 && { echo "left behind: the .div MIME type"; left=1; }
[ "$left" -eq 0 ] || { echo "FAILED: files left behind" >&2; exit 1; }
echo "nothing left after dpkg -r"
echo "OK: $deb built, passed lintian, installed, planned a dive, passed its suite as root and as" \
     "a normal user and was removed cleanly"
