#!/bin/sh
# Installs what building, running and testing dirdock needs on Debian 12,
# and nothing that is there already.
set -eu

packages="build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev
libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation fonts-dejavu-core"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=""
else
    sudo="sudo"
fi
echo "Installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
