#!/bin/sh
# Installs the Debian packages that the Windows cross-build, its tests under Wine and the
# package need, on top of the Linux ones. Quiet and quick when everything is already there.
set -eu
cd "$(dirname "$0")/../.."
scripts/setup.sh

# qt6-base-dev brings the host moc/rcc/uic a cross-built Qt must use; the MinGW compiler
# must be the posix thread flavour because Qt uses std::thread.
packages="g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine64 wine ninja-build \
qt6-base-dev googletest xz-utils patch zip unzip xvfb xauth xdotool"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing >/dev/null
