#!/usr/bin/env bash
# Builds everything and runs the whole test suite through ctest.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
ctest --test-dir "$root/build" --output-on-failure -j"${TARVO_JOBS:-$(nproc)}" "$@"
