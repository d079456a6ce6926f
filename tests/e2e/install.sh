#!/usr/bin/env bash
# The program installed as a person who builds it installs it, with cmake --install into a
# temporary prefix that holds a blank, off the PATH; then started from its desktop entry as a
# launcher does. Usage: install.sh BUILD-FOLDER (the Debian package: package.sh)
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD=$(readlink -f "$1")
source "$HERE/../../scripts/session/session.sh"

ID=com.harrowfen.quorvex
PREFIX="$WORK/my apps" EXEC="\"$WORK/my apps/bin/Quorvex\""
check "cmake --install" eval 'cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/out" 2>&1 || { cat "$WORK/out"; false; }'
ENTRY=$PREFIX/share/applications/$ID.desktop
# (What the files say is read against what is installed by the Debian package's own tests.)
check "the desktop entry names the installed program by its full path" grep -qxF "Exec=$EXEC" "$ENTRY"
gio launch "$ENTRY" >"$WORK/launch.log" 2>&1 &
main=$(wait_window "$WINDOW")
check "the desktop entry starts the installed program" [ -n "$main" ] || cat "$WORK/launch.log"
summary
