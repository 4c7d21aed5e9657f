#!/bin/sh
# Usage: wine-run.sh QT_FOLDER WINE_PREFIX PROGRAM.exe [ARGUMENT...]
# Runs a Windows program of the cross-build under Wine, finding the Qt DLLs and plugins in
# QT_FOLDER and the MinGW runtime DLLs where Debian installs them. CTest runs every test
# through it (CMAKE_CROSSCOMPILING_EMULATOR).
set -eu
qt=$1
export WINEPREFIX=$2
shift 2
mingw_runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
export WINEPATH="$qt/bin;$mingw_runtime;/usr/x86_64-w64-mingw32/lib"
export QT_PLUGIN_PATH="$qt/plugins"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
exec wine "$@"
