#!/usr/bin/env bash
# Makes the Debian package from build/ (cpack), installs it with apt-get as a user would, and
# checks the installed programs: each answers --version, and the installed app signs in
# through its sign-in screen, offscreen, against the installed sandbox.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" --install-only dpkg-dev

(cd "$root/build" && rm -f tarvo_*.deb && { cpack >cpack.log 2>&1 || { cat cpack.log; exit 1; }; })
package=$(ls "$root"/build/tarvo_*.deb)
echo "package: $(basename "$package") ($(du -h "$package" | cut -f1))"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$package" >/dev/null

for program in tarvo tarvo-cli tarvo-sandbox; do
    echo "$(command -v "$program"): $("$program" --version)"
done

scratch=$(mktemp -d)
port=${TARVO_PACKAGE_PORT:-7191}
tarvo-sandbox --port "$port" >"$scratch/sandbox.log" 2>&1 &
sandbox=$!
trap 'kill "$sandbox" 2>/dev/null || true; rm -rf "$scratch"' EXIT
for _ in $(seq 50); do
    grep -q listening "$scratch/sandbox.log" && break
    sleep 0.1
done
QT_QPA_PLATFORM=offscreen TARVO_SECURE_STORE=file tarvo --home "$scratch/home" \
    --service "http://127.0.0.1:$port/trvo/ws/appService" --website "http://127.0.0.1:$port" \
    --sign-in 13912345678:123456 >"$scratch/app.log" 2>&1 ||
    { cat "$scratch/app.log"; echo "the installed app did not sign in"; exit 1; }
echo "the installed app signed in against the installed sandbox"
