#!/usr/bin/env bash
# Runs make targets on another Debian release: a root made once with debootstrap from the
# mirror this machine's apt uses, kept in a cache folder outside the clone and reused, gets a
# fresh copy of the tree and runs the targets inside private mount, PID and network
# namespaces.
#
#   scripts/debian-root.sh [target ...]       (default: test test-desktops)
#   SUITE=trixie (default) or testing; QUORVEX_ROOTS=/var/cache/quorvex/roots (default)
set -euo pipefail
cd "$(dirname "$0")/.."
suite=${SUITE:-trixie}
roots=${QUORVEX_ROOTS:-/var/cache/quorvex/roots}
root=$roots/$suite
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(test test-desktops)

[ "$(id -u)" -eq 0 ] || { echo "debian-root: debootstrap and namespaces need root" >&2; exit 1; }

# The mirror this machine installs from, from its deb822 or one-line sources.
mirror() {
  local uri
  uri=$(sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v security | head -n1)
  [ -n "$uri" ] || uri=$(awk '$1=="deb" && $0 !~ /security/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null)
  [ -n "$uri" ] || { echo "debian-root: no Debian mirror in the apt sources" >&2; exit 1; }
  echo "$uri"
}

# Mounts for a command in the root; they go with the private mount namespace.
inside() {
  unshare --mount --pid --fork --propagation private -- bash -c '
    set -e
    root=$1; shift
    # A mount point, so that namespaces made inside can change its propagation.
    mount --rbind "$root" "$root"
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount -t sysfs sysfs "$root/sys" 2>/dev/null || true
    mount -t tmpfs tmpfs "$root/tmp"
    mount -t tmpfs tmpfs "$root/run"
    exec chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
      CI="${CI:-}" CMAKE_ARGS="${CMAKE_ARGS:-}" "$@"' inside "$root" "$@"
}

if [ ! -e "$root/.quorvex-ready" ]; then
  command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
  rm -rf "$root"
  mkdir -p "$roots"
  echo "debian-root: making a $suite root in $root"
  debootstrap --variant=minbase --include=make,ca-certificates "$suite" "$root" "$(mirror)" >"$roots/$suite.log" 2>&1 ||
    { tail -20 "$roots/$suite.log"; exit 1; }
  # A testing snapshot's Release file may be older than its Valid-Until.
  [ "$suite" = trixie ] || echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99snapshot"
  cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
  touch "$root/.quorvex-ready"
fi

# What the README asks of a new machine, make deps, here with the desktops' packages too; on
# a root made before, it installs only what the Makefile has gained since. The one step
# with the network.
mkdir -p "$root/opt/quorvex"
cp Makefile "$root/opt/quorvex/"
inside make -C /opt/quorvex deps-all

# A fresh copy of the tree as git sees it, uncommitted changes included; the build folder of
# the last run stays, so that only what changed is built again.
mv "$root/opt/quorvex/build" "$root/opt/build.kept" 2>/dev/null || true
rm -rf "$root/opt/quorvex"
mkdir -p "$root/opt/quorvex"
git ls-files -z --cached --others --exclude-standard | tar -c --null -T - | tar -x -C "$root/opt/quorvex"
mv "$root/opt/build.kept" "$root/opt/quorvex/build" 2>/dev/null || true
epoch=$(git log -1 --format=%ct)

echo "debian-root: $suite: make ${targets[*]}"
inside unshare --net -- bash -c 'ip link set lo up 2>/dev/null || true
  cd /opt/quorvex && exec env SOURCE_DATE_EPOCH='"$epoch"' make "$@"' make "${targets[@]}"
