#!/usr/bin/env bash
# Installs what is missing, builds Вексилардо and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXILARDO_BUILD_TESTS=OFF >/dev/null
cmake --build build -j2 --target vexilardo
exec ./build/program/vexilardo "$@"
