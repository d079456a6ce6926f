#!/usr/bin/env bash
# The program installed as a person gets it, then started from its desktop entry as a
# launcher does. Usage:
#   install.sh BUILD-FOLDER   cmake --install into a temporary prefix that holds a blank, off
#                             the PATH
#   install.sh --package OUT  builds the Debian package into OUT, checks it with lintian and
#                             installs it with dpkg into /usr, in a private mount namespace
#                             where /usr, /etc and /var are overlays that go with the test
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
if [ "$1" = --package ] && [ -z "${INSTALL_OVERLAY:-}" ]; then
    out=$(mkdir -p "$2" && cd "$2" && pwd)
    "$HERE/../../scripts/package.sh" "$out" >/dev/null || exit 1
    # lintian refuses nothing as root but says so on stderr.
    lintian --pedantic -I "$out"/quorvex_*.changes >"$out/lintian.txt" 2>/dev/null
    exec env INSTALL_OVERLAY="$out" unshare -m --propagation private bash -c '
        for d in usr etc var; do
            mkdir -p "$0/overlay/$d/upper" "$0/overlay/$d/work"
            mount -t overlay overlay -o "lowerdir=/$d,upperdir=$0/overlay/$d/upper,workdir=$0/overlay/$d/work" "/$d" || exit 1
        done
        exec "$@"' "$out" "$0" "$@"
fi
[ "$1" = --package ] || BUILD=$(readlink -f "$1")
source "$HERE/../../scripts/session/session.sh"

ID=com.harrowfen.quorvex
if [ -n "${INSTALL_OVERLAY:-}" ]; then
    PREFIX=/usr EXEC=/usr/bin/Quorvex
    check "lintian --pedantic: no error, no warning" eval '! grep -E "^[EW]:" "$INSTALL_OVERLAY/lintian.txt" || cat "$INSTALL_OVERLAY/lintian.txt"'
    check "dpkg -i" eval 'dpkg -i "$INSTALL_OVERLAY"/quorvex_*.deb >"$WORK/out" 2>&1 || { cat "$WORK/out"; false; }'
    check "the manual page" eval 'man -l /usr/share/man/man1/Quorvex.1.gz 2>/dev/null | grep -q "Quorvex - find your Zevod Astrology sign"'
else
    PREFIX="$WORK/my apps" EXEC="\"$WORK/my apps/bin/Quorvex\""
    check "cmake --install" eval 'cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/out" 2>&1 || { cat "$WORK/out"; false; }'
fi
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
