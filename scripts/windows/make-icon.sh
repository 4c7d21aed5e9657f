#!/bin/sh
# Usage: scripts/windows/make-icon.sh
# Remakes app/orvane.ico, the icon in the Windows program's resources, from app/orvane.svg:
# one picture for each size Windows asks for. Run it when the SVG changes and commit the
# result. Needs librsvg2-bin and imagemagick (apt-get install librsvg2-bin imagemagick).
set -eu
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pictures=""
for size in 16 20 24 32 40 48 64 256; do
    rsvg-convert -w $size -h $size app/orvane.svg -o "$work/$size.png"
    pictures="$pictures $work/$size.png"
done
# shellcheck disable=SC2086 # one argument per picture
convert $pictures app/orvane.ico
