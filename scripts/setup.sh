#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and
# builds into build/. Sourced by run.sh and test.sh; safe to run on its own.
# `setup.sh --install-only` stops after the packages; extra packages may follow it.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
    cmake ninja-build g++ pkg-config git
    qt6-base-dev qt6-declarative-dev qt6-httpserver-dev qt6-websockets-dev
    qtkeychain-qt6-dev libqt6sql6-sqlite libgl-dev
    qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-controls
    qml6-module-qtquick-templates qml6-module-qtquick-layouts qml6-module-qtqml-workerscript
    qml6-module-qtqml qml6-module-qtqml-models
    qt6-webengine-dev qml6-module-qtwebengine qml6-module-qtwebchannel qt6-svg-dev
    qml6-module-qtquick-shapes qt6-qpa-plugins fonts-wqy-microhei desktop-file-utils
    libpugixml-dev libxml2-dev libsqlite3-dev libbenchmark-dev poppler-utils
    dbus-daemon gnome-keyring openssl
)

install_only=false
if [ "${1:-}" = --install-only ]; then
    install_only=true
    shift
    packages+=("$@")
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
$install_only && exit 0

cmake -S "$root" -B "$root/build" -G Ninja ${TARVO_CMAKE_ARGS:-} >/dev/null
cmake --build "$root/build" -j"${TARVO_JOBS:-2}"
