#!/bin/sh
# Builds Velmor and starts it on its bundled data.
set -e
cd "$(dirname "$0")/.."
scripts/install-packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
exec build/bin/Velmor "$@"
