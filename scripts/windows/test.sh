#!/bin/sh
# Usage: scripts/windows/test.sh
# The Windows cross-build, on Debian 12: installs what is missing, builds Qt for Windows once
# (about 40 minutes, cached in ${XDG_CACHE_HOME:-~/.cache}/orvane), builds GoogleTest and
# Orvane for Windows with -Werror, runs every test under Wine and Xvfb through CTest, makes
# build/windows/orvane-<version>-win64.zip and drives the program unpacked from it under Wine.
set -eu
cd "$(dirname "$0")/../.."
here=$(pwd)/scripts/windows
"$here/setup.sh"

qt=$("$here/build-qt.sh")
cache=${XDG_CACHE_HOME:-$HOME/.cache}/orvane
# On Windows the offscreen platform that widget tests use takes its fonts from Qt's lib/fonts
# only; there it gets the faces the Linux tests get, so text measures the same.
mkdir -p "$qt/lib/fonts"
cp -u /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf \
    /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf "$qt/lib/fonts/"
jobs=$(nproc 2>/dev/null || echo 2)
build=build/windows

# GoogleTest from Debian's sources, for Windows.
gtest=build/windows-googletest
if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/mingw64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$(pwd)/$gtest/install" >/dev/null
    cmake --build "$gtest/build" -j "$jobs" >/dev/null
    cmake --install "$gtest/build" >/dev/null
fi

# One Wine prefix for the tests and the package run, made once.
export WINEPREFIX="$cache/wine-prefix"
if [ ! -f "$WINEPREFIX/orvane-ready" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
        xvfb-run -a sh -c 'wine wineboot -i && wineserver -w' >/dev/null 2>&1
    touch "$WINEPREFIX/orvane-ready"
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$here/mingw64.cmake" \
    -DGTest_DIR="$(pwd)/$gtest/install/lib/cmake/GTest" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-run.sh;$qt;$WINEPREFIX" >/dev/null
cmake --build "$build" -j "$jobs"

# Wine's desktop process stays on the display it started on: it is ended with that display.
# Now and then a test program that has passed does not exit under Wine and runs into its
# timeout; such a test gets one more run (a real failure fails twice).
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    ctest --test-dir "$1" --output-on-failure -j "$2" --repeat until-pass:2; status=$?
    WINEDEBUG=-all wineserver -k
    exit $status' ctest "$build" "$jobs"

zip=$("$here/package.sh" "$build" "$qt")
echo "Package: $zip ($(du -k "$zip" | cut -f1) KiB)"
"$here/drive_under_wine.sh" "$zip" tests/app/expected/new_style_menu.sma
