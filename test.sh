#!/usr/bin/env bash
# Installs what is missing, builds Вексилардо with its tests and runs every test offscreen.
#   ./test.sh             the normal build (build-test/)
#   ./test.sh --sanitize  the same tests built with AddressSanitizer and
#                         UndefinedBehaviorSanitizer (build-sanitize/); any finding fails
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

build=build-test
flags=()
if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    flags=(-DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined")
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
    export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
elif [ $# -gt 0 ]; then
    echo "usage: $0 [--sanitize]" >&2
    exit 2
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXILARDO_BUILD_TESTS=ON "${flags[@]}"
cmake --build "$build" -j2
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
