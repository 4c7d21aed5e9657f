#!/bin/sh
# Usage: scripts/windows/package.sh BUILD_FOLDER QT_FOLDER
# Makes BUILD_FOLDER/orvane-<version>-win64.zip: one folder with orvane.exe, the Qt DLLs and
# plugins it loads and the MinGW runtime DLLs, so that unpacked anywhere it starts with nothing
# else installed and no path settings. Prints the zip's path.
set -eu
build=$(realpath "$1")
qt=$(realpath "$2")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=orvane-$version-win64
stage=$build/package/$name
zip=$build/$name.zip
mingw_runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
search="$qt/bin $mingw_runtime /usr/x86_64-w64-mingw32/lib"

rm -rf "$build/package" "$zip"
mkdir -p "$stage/platforms" "$stage/styles"
cp "$(find "$build" -name orvane.exe -not -path "$build/package/*" | head -n 1)" "$stage/"
# Qt finds its plugins in these folders beside the program.
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/"*.dll "$stage/styles/"

# Adds the DLLs that the given files import, and theirs in turn, from the folders in
# $search; what none of them holds is Windows' own.
bring_imports() {
    for file in "$@"; do
        x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p'
    done | sort -u | while read -r dll; do
        [ -e "$stage/$dll" ] && continue
        for folder in $search; do
            if [ -e "$folder/$dll" ]; then
                cp "$folder/$dll" "$stage/"
                bring_imports "$stage/$dll"
                break
            fi
        done
    done
}
bring_imports "$stage/orvane.exe" "$stage"/platforms/*.dll "$stage"/styles/*.dll

find "$stage" \( -name '*.dll' -o -name '*.exe' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
(cd "$build/package" && zip -q -r -9 "$zip" "$name")
echo "$zip"
