#!/usr/bin/env bash
# Runs one cross-built Windows program under wine, as ctest's emulator for the Windows build:
# in the build's own wine prefix (made on first use), with Qt's and MinGW's DLLs and Qt's
# plugins found where they were built, and wine's own chatter left out. The program's output
# and status are the test's. A Qt test writes its log to a file here (what it writes to
# stdout does not come through wine's console to a pipe), which is shown after it.
# Usage: wine-test.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shift
build=$(cd "$(dirname "$program")" && while [ ! -f CMakeCache.txt ] && [ "$PWD" != / ]; do cd ..; done && pwd)
qt=$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' "$build/CMakeCache.txt")
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
winpath() { winepath -w "$1" 2>/dev/null; }
# One prefix for every test, made once, the first test to come making it for the others.
(
  flock 9
  if [ ! -f "$WINEPREFIX/.made" ]; then
    wineboot -i >/dev/null 2>&1
    # DejaVu Sans stands in for Verdana, as on Linux; wine takes it from the system's fonts.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Verdana /d "DejaVu Sans" /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.made"
  fi
) 9>"$build/wine.lock"
mingw=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
export WINEPATH="$(winpath "$qt/bin");$(winpath "$mingw");$(winpath /usr/x86_64-w64-mingw32/lib)"
# Wine passes no QT_ variable on to the program: the platform a test asks for goes on its
# command line (Qt's plugins are found beside Qt's DLLs).
platform=()
[ -n "${QT_QPA_PLATFORM:-}" ] && platform=(-platform "$QT_QPA_PLATFORM")
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
wine "$program" "${platform[@]}" -o "$(winpath "$log"),txt" "$@" || status=$?
cat "$log"
exit $status
