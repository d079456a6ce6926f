#!/usr/bin/env bash
# Installs the build into a temporary prefix that holds a blank, validates the desktop entry
# and the AppStream metadata, and starts the installed program from its desktop entry, as a
# launcher does, with the prefix off the PATH. Usage: install.sh BUILD-FOLDER
set -u
BUILD=$(readlink -f "$1")
source "$(dirname "$0")/../../scripts/session/session.sh"

PREFIX="$WORK/my apps"
ID=com.harrowfen.Quorvex
ENTRY=$PREFIX/share/applications/$ID.desktop
check "cmake --install" eval 'cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/out" 2>&1 || { cat "$WORK/out"; false; }'
check "icon in the hicolor theme" test -s "$PREFIX/share/icons/hicolor/scalable/apps/$ID.svg" \
    -a -s "$PREFIX/share/icons/hicolor/32x32/apps/$ID.png"
check "desktop entry validates" desktop-file-validate "$ENTRY"
check "desktop entry names the installed program by its full path" grep -qxF "Exec=\"$PREFIX/bin/Quorvex\"" "$ENTRY"
check "metainfo validates" eval 'appstreamcli validate --no-net "$PREFIX/share/metainfo/$ID.metainfo.xml" >"$WORK/out"'

gio launch "$ENTRY" >"$WORK/launch.log" 2>&1 &
main=$(wait_window "$WINDOW")
check "the desktop entry starts the installed program" [ -n "$main" ] || cat "$WORK/launch.log"
class=$(sed -n 's/^StartupWMClass=//p' "$ENTRY")
check "its windows carry the entry's StartupWMClass" eval 'xprop -id "$main" WM_CLASS | grep -q "\"$class\"$"'
check "its settings follow the program's name" test -f "$XDG_CONFIG_HOME/Quorvex.ini"
summary
