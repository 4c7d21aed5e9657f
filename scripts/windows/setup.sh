#!/bin/sh
# Installs the Debian packages that the Windows cross-build, its tests under Wine and the
# package need, on top of the Linux ones. Quiet and quick when everything is already there.
set -eu
cd "$(dirname "$0")/../.."
# qt6-base-dev brings the host moc/rcc/uic a cross-built Qt must use; the MinGW compiler
# must be the posix thread flavour because Qt uses std::thread.
scripts/setup.sh g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine64 wine ninja-build \
    googletest xz-utils patch zip unzip
