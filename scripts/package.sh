#!/usr/bin/env bash
# Builds the Debian package from debian/ with dpkg-buildpackage, in a copy of the tree as git
# sees it (uncommitted changes included), so that the source tree stays clean:
#   scripts/package.sh OUT-FOLDER
# leaves OUT-FOLDER/quorvex_1.0_<arch>.deb and its quorvex-dbgsym_1.0_<arch>.deb.
# Reproducible: the time stamps are the changelog's, the build folder's path is mapped away.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mkdir -p "$1" && cd "$1" && pwd)
version=$(dpkg-parsechangelog -S Version)
tree=$out/quorvex-$version
rm -rf "$tree" "$out"/quorvex*_"$version"_* "$out"/quorvex_"$version".*
mkdir -p "$tree"
# Outside a git checkout (the copy of the tree in a Debian root), everything but the builds.
if git rev-parse --git-dir >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard | tar -c --null -T - | tar -x -C "$tree"
else
  tar -c --exclude='./build*' . | tar -x -C "$tree"
fi
(cd "$tree" && dpkg-buildpackage -b --no-sign) >"$out/build.log" 2>&1 || { tail -40 "$out/build.log"; exit 1; }
rm -rf "$tree"
ls "$out"/*.deb
