#!/usr/bin/env bash
# Installs what is missing, builds Вексилардо with its tests and runs every test offscreen.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXILARDO_BUILD_TESTS=ON
cmake --build build-test -j2
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
