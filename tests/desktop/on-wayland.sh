#!/usr/bin/env bash
# Runs a command on a private Wayland compositor: a headless weston started for this
# command alone, in a runtime folder of its own, and stopped after it, whatever the
# command's end. The command sees that compositor only, never an X server.
set -euo pipefail

runtime="$(mktemp -d)"  # 0700, as a Wayland runtime folder must be
export XDG_RUNTIME_DIR="$runtime"
socket="quendrel-wayland"
# In this script's process group, which ctest ends whole on a timeout; the clients weston
# starts itself (its shell, its keyboard) end with it.
weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
    --log="$runtime/log" </dev/null >/dev/null 2>&1 &
compositor=$!
# Without errexit: a compositor that is gone already must not keep the folder.
trap 'set +e; kill "$compositor" 2>/dev/null; wait "$compositor" 2>/dev/null; rm -rf "$runtime"' EXIT

# Ready once a client is told of the shell's window interface.
for _ in $(seq 200); do
    WAYLAND_DISPLAY="$socket" wayland-info 2>/dev/null | grep -q "'xdg_wm_base'" && break
    kill -0 "$compositor" 2>/dev/null || break
    sleep 0.025
done
WAYLAND_DISPLAY="$socket" wayland-info 2>/dev/null | grep -q "'xdg_wm_base'" ||
    { cat "$runtime/log" >&2 || true; echo "weston did not start" >&2; exit 1; }

# The headless compositor has no seat, and the toolkit's Wayland text input reaches for
# one (6.4 crashes on the first text field it draws); the toolkit's own compose input
# needs none.
status=0
env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_IM_MODULE=compose "$@" || status=$?
exit "$status"
