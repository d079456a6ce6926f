#!/usr/bin/env bash
# The Debian package checked as Debian checks it: built from debian/ (the widget tests run in
# the build), lintian on the package, blhc on its build log, then its as-installed tests
# (debian/tests) run by autopkgtest on this machine, in a private mount namespace whose /usr,
# /etc and /var are overlays that go with the test. Usage: package.sh OUT-FOLDER
set -u
SRC=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
source "$SRC/scripts/session/verdicts.sh"
# Prints file $1 and fails when it holds a line that matches pattern $2.
none_in() { ! grep -qE "$2" "$1" || { cat "$1"; false; }; }

project=$(sed -n 's/^project(Quorvex VERSION \([0-9.]*\) .*/\1/p' "$SRC/CMakeLists.txt")
check "the package's version is the program's, $project" [ "$(cd "$SRC" && dpkg-parsechangelog -S Version)" = "$project" ]
check "the package builds" "$SRC/scripts/package.sh" "$out"
check "its widget tests ran in the build, and passed" \
    eval 'grep -E "^ *[0-9]+/[0-9]+ Test +#[0-9]+: tst_goldens " "$out/build.log" &&
          grep -E "^100% tests passed, 0 tests failed out of [0-9]+" "$out/build.log"'
# lintian refuses nothing as root, but says so on stderr.
lintian --pedantic -I "$out"/quorvex_*.changes >"$out/lintian.txt" 2>/dev/null
check "lintian --pedantic: no error, no warning" none_in "$out/lintian.txt" "^[EW]:"
blhc --debian --all "$out/build.log" >"$out/blhc.txt" 2>&1
check "blhc: every compiler and linker line of the build hardened" eval '[ ! -s "$out/blhc.txt" ] || { cat "$out/blhc.txt"; false; }'
check "autopkgtest: the installed package's tests pass" unshare -m --propagation private bash -c '
    for d in usr etc var; do
        mkdir -p "$0/overlay/$d/upper" "$0/overlay/$d/work"
        mount -t overlay overlay -o "lowerdir=/$d,upperdir=$0/overlay/$d/upper,workdir=$0/overlay/$d/work" "/$d" || exit 1
    done
    autopkgtest "$0"/quorvex_*.deb "$1" -- null >"$0/autopkgtest.log" 2>&1 ||
        { tail -60 "$0/autopkgtest.log"; exit 1; }' "$out" "$SRC"
rm -rf "$out/overlay"
summary
