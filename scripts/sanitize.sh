#!/usr/bin/env bash
# Builds the core subsystems and their tests with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-sanitize/ and runs those tests. Tests that draw views or start the whole app stay
# out (the web engine and the GPU stack are not built for sanitizers); the ordinary build runs
# them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" --install-only

build="$root/build-sanitize"
areas=${TARVO_SANITIZE_AREAS:-'^(service|billing|redpackets|records|website|map|sandbox)$'}
skip='view|screen|tour|launch|load'
cmake -S "$root" -B "$build" -G Ninja -DTARVO_SANITIZE=ON -DTARVO_BENCH=OFF -DTARVO_FUZZ=OFF \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" >/dev/null
mapfile -t tests < <(ctest --test-dir "$build" -N -L "$areas" -E "$skip" | sed -n 's/^ *Test *#[0-9]*: //p')
cmake --build "$build" -j"${TARVO_JOBS:-$(nproc)}" --target "${tests[@]}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" -L "$areas" -E "$skip" --output-on-failure -j"${TARVO_JOBS:-$(nproc)}"
