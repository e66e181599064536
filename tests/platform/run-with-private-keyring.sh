#!/bin/sh
# Runs a program inside a private D-Bus session with a fresh, unlocked keyring, so that the
# real keychain path is exercised without touching the user's session or keyrings.
set -eu
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config"
export XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/runtime"
# Tells the keychain test that a secret service must be there: skipping would hide a fault.
export TARVO_REQUIRE_KEYCHAIN=1
# The password on stdin creates and unlocks the login keyring (an empty one would leave that
# to a prompter, which has no display here). The daemon may claim its bus name only after
# it returns, so wait for the name.
dbus-run-session -- sh -c '
    printf tarvo-test | gnome-keyring-daemon --unlock --components=secrets >/dev/null
    for attempt in $(seq 50); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets |
            grep -q "boolean true" && break
        sleep 0.1
    done
    exec "$@"' keyring "$@"
