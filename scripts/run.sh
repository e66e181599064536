#!/usr/bin/env bash
# Builds, starts the local company sandbox on loopback and runs the app against it.
# Without a display the app runs offscreen: it walks through every function as a customer would
# (tarvo --tour, one picture per step) and signs in twice; this script reports each step.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"

port=${TARVO_PORT:-7001}
home=${TARVO_HOME:-$root/build/run-home}
mkdir -p "$home"
log=$(mktemp -d)
trap 'kill "$sandbox_pid" 2>/dev/null || true; rm -rf "$log"' EXIT

"$root/build/bin/tarvo-sandbox" --port "$port" >"$log/sandbox.log" 2>&1 &
sandbox_pid=$!
for _ in $(seq 50); do
    grep -q 'listening' "$log/sandbox.log" 2>/dev/null && break
    kill -0 "$sandbox_pid" 2>/dev/null || { cat "$log/sandbox.log"; exit 1; }
    sleep 0.1
done
echo "Sandbox: $(head -n 1 "$log/sandbox.log")"

service="http://127.0.0.1:$port/trvo/ws/appService"
website="http://127.0.0.1:$port"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Starting the app (profile in $home); close its window to stop."
    "$root/build/bin/tarvo" --service "$service" --website "$website" --home "$home" "$@"
else
    echo "No display: running the app offscreen (profile in $home)."
    app() {
        QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="tarvo.*.info=true" \
            "$root/build/bin/tarvo" --service "$service" --website "$website" --home "$home" \
            --quit-after 30 "$@" 2>&1 | grep -E 'tarvo\.(app|shell|account)' | sed 's/^/  app: /'
    }
    tour="$root/build/tour"
    rm -rf "$tour"
    echo "1. Walking through every function as a customer would (tarvo --tour), pictures in $tour:"
    # A profile of its own: the tour registers this device and signs in from scratch.
    tour_home=$(mktemp -d)
    if QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="tarvo.*.info=false;tarvo.driver.info=true" \
        "$root/build/bin/tarvo" --service "$service" --website "$website" --home "$tour_home" \
        --tour "$tour" 2>&1 | grep -E 'tour:' | sed 's/^.*tour: /  /'; then :; fi
    rm -rf "$tour_home"
    ls "$tour"/*-FAILED.png >/dev/null 2>&1 && { echo "The tour stopped at a step; see $tour."; exit 1; }
    echo "2. Signing in the seeded user 13912345678 through the sign-in screen:"
    app --sign-in 13912345678:123456
    echo "3. Starting again: the remembered account signs in with one tap:"
    app --sign-in :
    echo "Done: $(ls "$tour" | wc -l) pictures in $tour; the sign-ins above reached the home screen."
fi
