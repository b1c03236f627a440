#!/bin/sh
# Installs the Debian packages Velmor needs to build, run and test, when any of them is missing.
set -e
packages="cmake g++ make pkg-config qt6-base-dev libgl-dev libsdl2-mixer-dev timgm6mb-soundfont
fonts-dejavu-core libgtest-dev libbenchmark-dev"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
