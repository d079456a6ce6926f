#!/usr/bin/env bash
# Builds Qt for Windows (Core, Gui, Widgets, Test) once, from Debian's own qt6-base source of the
# same version as the host tools, with Debian's MinGW-w64, into a cache outside the clone:
# $QUORVEX_CACHE/qt-windows/<version> (QUORVEX_CACHE defaults to /var/cache/quorvex).
# Prints the prefix. A finished build is reused; another host version builds anew.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
cache=${QUORVEX_CACHE:-/var/cache/quorvex}/qt-windows
prefix=$cache/$version
if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi

log() { echo "windows-qt: $*" >&2; }
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo

# apt-get source needs a deb-src entry for the mirror apt already uses.
if ! apt-get source --print-uris -qq "qt6-base=$version" >/dev/null 2>&1; then
  log "adding deb-src for the mirror in use"
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      $SUDO tee /etc/apt/sources.list.d/quorvex-deb-src.sources >/dev/null
  else
    grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      $SUDO tee /etc/apt/sources.list.d/quorvex-deb-src.list >/dev/null
  fi
  $SUDO apt-get update -qq
fi

# A build broken off is taken up where it stopped.
work=$cache/work-$version
rm -rf "$prefix"
mkdir -p "$work"
cd "$work"
if [ ! -d src ]; then
  log "fetching the qt6-base $version source"
  apt-get source -qq --download-only "qt6-base=$version" >/dev/null
  dpkg-source -x --no-check qt6-base_*.dsc src >/dev/null
fi

# Only what Quorvex and its tests load. Debian's source has no 3rdparty/wintab, so no tablet
# events; without Direct2D, DirectWrite 3 must be turned off in the cache as well; without
# OpenGL, so must the dynamic OpenGL choice, which the Windows plugin still uses.
log "configuring (about 1,000 build steps follow)"
cmake -G Ninja -S src -B build \
  -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  > "$work/configure.log" 2>&1 || { tail -40 "$work/configure.log" >&2; exit 1; }
log "building"
cmake --build build -j "$(nproc)" > "$work/build.log" 2>&1 || { tail -40 "$work/build.log" >&2; exit 1; }
cmake --install build > "$work/install.log" 2>&1
touch "$prefix/.complete"
cd /
rm -rf "$work"
echo "$prefix"
