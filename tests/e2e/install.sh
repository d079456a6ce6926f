#!/usr/bin/env bash
# Installs the build into a temporary prefix, validates the desktop entry and the AppStream
# metadata, and starts the installed program under Xvfb.
# Usage: install.sh BUILD-FOLDER
set -u
BUILD=$(readlink -f "$1")
source "$(dirname "$0")/../../scripts/xsession.sh"
passed=0; failed=0
check() { local what=$1; shift; if "$@" >"$WORK/out" 2>&1; then echo "PASS: $what"; passed=$((passed + 1)); else echo "FAIL: $what"; cat "$WORK/out"; failed=$((failed + 1)); return 1; fi; }

PREFIX=$WORK/prefix
check "cmake --install" cmake --install "$BUILD" --prefix "$PREFIX"
ID=com.harrowfen.Quorvex
check "program installed as bin/Quorvex" test -x "$PREFIX/bin/Quorvex"
check "icon in the hicolor theme" test -s "$PREFIX/share/icons/hicolor/scalable/apps/$ID.svg" \
    -a -s "$PREFIX/share/icons/hicolor/32x32/apps/$ID.png"
check "desktop entry validates" desktop-file-validate "$PREFIX/share/applications/$ID.desktop"
check "desktop entry starts Quorvex with its icon" grep -qx 'Exec=Quorvex' "$PREFIX/share/applications/$ID.desktop"
check "metainfo validates" appstreamcli validate --no-net "$PREFIX/share/metainfo/$ID.metainfo.xml"

# Started by name from the PATH, as the desktop entry does.
PATH=$PREFIX/bin:$PATH Quorvex >"$WORK/program.log" 2>&1 &
shows() { for _ in $(seq 100); do xdotool search --onlyvisible --name '^Quorvex v1\.0$' >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
check "the installed program shows its entry window" shows ||
    { cat "$WORK/program.log"; xwininfo -root -tree | grep -i quorvex; }
check "its settings follow the program's name" test -f "$XDG_CONFIG_HOME/Quorvex.ini"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
