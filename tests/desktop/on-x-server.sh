#!/usr/bin/env bash
# Runs a command on an X server: the one $DISPLAY names, else a private Xvfb started for
# this command alone and stopped after it. The server picks its own free display number,
# so runs side by side never race for one.
set -euo pipefail
[ -n "${DISPLAY:-}" ] && exec "$@"

scratch="$(mktemp -d)"
mkfifo "$scratch/ready"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/ready" 2>"$scratch/log" &
server=$!
# Without errexit: a server that is gone already must not keep the folder.
trap 'set +e; kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$scratch"' EXIT
# Xvfb writes its display number once it accepts clients; nothing means it failed.
read -r number <"$scratch/ready" || true
[ -n "${number:-}" ] || { cat "$scratch/log" >&2; echo "Xvfb did not start" >&2; exit 1; }
status=0
DISPLAY=":$number" "$@" || status=$?
exit "$status"
