#!/bin/sh
# Usage: scripts/windows/build-qt.sh
# Builds Qt for 64-bit Windows with MinGW-w64 from Debian's own qt6-base source package,
# the same version as the host moc/rcc/uic that a cross-built Qt has to use, and installs it
# into ${XDG_CACHE_HOME:-~/.cache}/orvane/qt-<version>-win64. About 40 minutes on 2 cores the
# first time; afterwards the finished install is found and reused at once. An interrupted
# build resumes where it stopped. Prints the install folder (and only that) on standard output.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup.sh" >&2

# Bump when the configure options or the patches change, so that caches made by an older
# recipe are rebuilt rather than reused.
recipe=1

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_version=${host_version%%+*}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/orvane
prefix=$cache/qt-$qt_version-win64
work=$cache/qt-$qt_version-win64-work
stamp=$prefix/orvane-qt-ready

# The stamp is written last, so a half-installed folder is never taken for a finished one.
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$host_version recipe $recipe" ]; then
    echo "$prefix"
    exit 0
fi
rm -rf "$prefix"
mkdir -p "$work"

jobs=${ORVANE_QT_JOBS:-2}
log() { echo "build-qt: $*" >&2; }

# Fetch the source package through a private apt configuration with deb-src entries for the
# same mirrors and suites the host's qt6-base-dev comes from, so the system's apt setup is
# never touched and no root rights are needed for this step.
fetch_source() {
    downloads=$work/downloads
    if ls "$downloads"/qt6-base_*.orig.tar.* "$downloads"/qt6-base_*.debian.tar.* \
        >/dev/null 2>&1; then return 0; fi
    apt_dir=$work/apt
    rm -rf "$apt_dir" "$downloads"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$downloads"
    apt-cache policy qt6-base-dev |
        awk '$2 ~ /:\/\// && $3 ~ /\// && $NF == "Packages" {
                 split($3, sc, "/"); print "deb-src " $2 " " sc[1] " " sc[2]
             }' | sort -u >"$apt_dir/sources.list"
    if [ ! -s "$apt_dir/sources.list" ]; then
        log "error: no Debian mirror found for qt6-base-dev (apt-cache policy qt6-base-dev)"
        return 1
    fi
    set -- -o Dir::Etc::SourceList="$apt_dir/sources.list" -o Dir::Etc::SourceParts=/nonexistent \
        -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache" \
        -o APT::Sandbox::User="$(id -un)" -o Debug::NoLocking=1 -qq
    log "fetching Debian's qt6-base $host_version source"
    if ! apt-get "$@" update >&2 ||
        ! (cd "$downloads" && apt-get "$@" source --download-only "qt6-base=$host_version" >&2); then
        log "error: cannot get Debian's qt6-base $host_version source package"
        log "  (tried: $(tr '\n' ';' <"$apt_dir/sources.list"))"
        log "  Without it Qt for Windows cannot be built. With no network, put qt6-base_*.dsc,"
        log "  *.orig.tar.xz and *.debian.tar.xz of that version into $downloads and run again."
        rm -rf "$downloads"
        return 1
    fi
    rm -rf "$apt_dir"
}

# Debian's security fixes (its cve-* patches, in series order) and the two patches that let
# the Windows platform plugin build with OpenGL and Direct2D switched off.
unpack_source() {
    src=$work/src
    [ -f "$src/orvane-source-ready" ] && return 0
    rm -rf "$src"
    mkdir -p "$src"
    tar -xf "$(ls "$work"/downloads/qt6-base_*.orig.tar.* | head -n 1)" -C "$src" --strip-components=1
    tar -xf "$(ls "$work"/downloads/qt6-base_*.debian.tar.* | head -n 1)" -C "$src"
    for p in $(grep -E '^cve' "$src/debian/patches/series" | cut -d' ' -f1); do
        patch -d "$src" -p1 -s --forward <"$src/debian/patches/$p" >&2
    done
    for p in "$here"/qt-patches/*.patch; do
        patch -d "$src" -p0 -s --forward <"$p" >&2
    done
    touch "$src/orvane-source-ready"
}

configure_qt() {
    build=$work/build
    [ -f "$build/build.ninja" ] && return 0
    # Qt's installed toolchain file remembers this one by path: keep a copy beside the install.
    mkdir -p "$cache"
    cp "$here/mingw64.cmake" "$cache/mingw64.cmake"
    log "configuring Qt $qt_version for Windows"
    # wintab (tablet events) is missing from Debian's tarball; the bundled freetype gives the
    # offscreen platform plugin that widget tests use.
    cmake -S "$work/src" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$cache/mingw64.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_pkg_config=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF \
        -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_fontconfig=OFF \
        -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_testlib=ON -DFEATURE_widgets=ON \
        -DFEATURE_gui=ON -DFEATURE_direct2d=OFF -DFEATURE_jpeg=OFF \
        -DFEATURE_androiddeployqt=OFF -DFEATURE_windeployqt=OFF >"$work/configure.log" 2>&1 ||
        { tail -n 40 "$work/configure.log" >&2; rm -rf "$build"; return 1; }
}

fetch_source
unpack_source
configure_qt
log "building Qt $qt_version for Windows with $jobs jobs (about 40 minutes on 2 cores)"
nice -n 10 cmake --build "$work/build" -j "$jobs" >&2
cmake --install "$work/build" >/dev/null
echo "$host_version recipe $recipe" >"$stamp"
rm -rf "$work"
log "Qt for Windows is ready in $prefix"
echo "$prefix"
