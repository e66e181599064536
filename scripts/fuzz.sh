#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time (TARVO_FUZZ_SECONDS, default 60) from its
# corpus. Needs clang with its runtime (Debian: clang, libclang-rt-14-dev); without clang it
# says so and succeeds. A finding fails the run and leaves the input under build-fuzz/findings.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ is not installed; the fuzz targets were not run"
    exit 0
fi
"$root/scripts/setup.sh" --install-only

build="$root/build-fuzz"
seconds=${TARVO_FUZZ_SECONDS:-60}
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DTARVO_FUZZ=ON -DTARVO_BENCH=OFF >/dev/null
cmake --build "$build" -j"${TARVO_JOBS:-$(nproc)}" --target fuzz_xmlreader fuzz_scraper

# The scraper also starts from the hand-written website pages of the tests.
seeds() { [ "$1" = scraper ] && echo "$root/tests/data/info" || true; }

mkdir -p "$build/findings"
status=0
for target in xmlreader scraper; do
    work=$(mktemp -d)
    log="$build/fuzz_$target.log"
    if (cd "$build/findings" && "$build/bin/fuzz_$target" -dict="$root/fuzz/$target.dict" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        "$work" "$root/fuzz/corpus/$target" $(seeds "$target") >"$log" 2>&1); then
        echo "fuzz_$target: ${seconds} s, $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') inputs, no findings"
    else
        echo "fuzz_$target: FINDING (see $log and $build/findings)"
        tail -n 40 "$log"
        status=1
    fi
    rm -rf "$work"
done
exit $status
