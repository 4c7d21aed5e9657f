#!/bin/sh
# Usage: scripts/setup.sh [MORE_PACKAGES...]
# Installs the Debian packages that building, testing and running Orvane need, and any more
# named on the command line. Quiet and quick when everything is already there.
set -eu

packages="cmake make g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
xvfb xauth xdotool fonts-dejavu-core fonts-liberation $*"

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
