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
check "icon in the hicolor theme" test -s "$PREFIX/share/icons/hicolor/scalable/apps/$ID.svg" \
    -a -s "$PREFIX/share/icons/hicolor/32x32/apps/$ID.png"
check "desktop entry validates" desktop-file-validate "$ENTRY"
check "desktop entry names the installed program by its full path" grep -qxF "Exec=$EXEC" "$ENTRY"
METAINFO=$PREFIX/share/metainfo/$ID.metainfo.xml
check "metainfo validates, pedantic too" eval 'appstreamcli validate --pedantic --no-net "$METAINFO" >"$WORK/out" &&
    ! grep "^[EWP]:" "$WORK/out" || cat "$WORK/out"'
# Each screenshot is one of the README's, at its size.
shots() { sed -n 's|.*width="\([0-9]*\)" height="\([0-9]*\)">.*/\([^/]*\.png\)<.*|\3, \1 x \2|p' "$METAINFO"; }
check "its screenshots are the README's" eval '[ "$(shots | wc -l)" -ge 4 ] && shots | while read -r f size; do
    file "$HERE/../../docs/screenshots/${f%,}" | grep -qF "PNG image data, $size," || { echo "  $f $size"; exit 1; }; done'

gio launch "$ENTRY" >"$WORK/launch.log" 2>&1 &
main=$(wait_window "$WINDOW")
check "the desktop entry starts the installed program" [ -n "$main" ] || cat "$WORK/launch.log"
class=$(sed -n 's/^StartupWMClass=//p' "$ENTRY")
check "its windows carry the entry's StartupWMClass" eval 'xprop -id "$main" WM_CLASS | grep -q "\"$class\"$"'
check "its settings follow the program's name" test -f "$XDG_CONFIG_HOME/Quorvex.ini"
summary
