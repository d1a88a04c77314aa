#!/usr/bin/env bash
# One release of the fresh-machine check (scripts/check-fresh-machine), run as the first
# process of a private mount and process namespace: what it mounts and starts ends with
# it. Makes the machine, then runs the README's commands in it; writes one summary line
# to LOGS/summary and exits non-zero when a command failed.
#   fresh-machine-session.sh RELEASE ROOT ARCHIVE SECURITY-ARCHIVE CHECKOUT LOGS
set -uo pipefail
release="$1" root="$2" archive="$3" security="$4" checkout="$5" logs="$6"
window_limit=900 test_limit=3600
failures=0
notes=()

say() { notes+=("$1"); }
failed() { say "$1"; failures=$((failures + 1)); }
seconds_since() { echo "$(date +%s.%N) $1" | awk '{ printf "%.0f", $1 - $2 }'; }

make_machine() {
    debootstrap --variant=minbase "$release" "$root" "$archive" >"$logs/debootstrap.log" 2>&1 ||
        { tail -n 20 "$logs/debootstrap.log"; return 1; }
    printf 'deb %s %s main\n' "$archive" "$release" "$archive" "$release-updates" "$security" "$release-security" \
        >"$root/etc/apt/sources.list"
    git clone --quiet "$checkout" "$root/root/quendrel" || return 1
    mount -t proc proc "$root/proc" && mount -t sysfs sysfs "$root/sys" &&
        mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
}

# A command in the clone, as a user with only the base system and a UTF-8 locale; `limit`
# bounds its seconds (0: none).
in_machine() {  # extra environment assignments, then --, then the command line
    local extra=()
    while [ "$1" != "--" ]; do extra+=("$1"); shift; done
    shift
    timeout "${limit:-0}" chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LANG=C.UTF-8 TERM=dumb "${extra[@]}" bash -c "cd /root/quendrel && $1"
}

# The main window: the viewable top-level window titled "Quendrel" that is 700 pixels
# wide (the splash carries the same title).
main_window_shown() {  # xwininfo arguments naming the display
    local id
    for id in $(xwininfo "$@" -root -tree 2>/dev/null | awk '/"Quendrel"/ && / 700x/ { print $1 }'); do
        xwininfo "$@" -id "$id" 2>/dev/null | grep -q "Map State: IsViewable" && return 0
    done
    return 1
}

wait_for_main_window() {  # pid, limit in seconds, xwininfo arguments
    local pid="$1" limit="$2" waited=0
    shift 2
    while ! main_window_shown "$@"; do
        kill -0 "$pid" 2>/dev/null || return 1
        [ "$waited" -ge $((limit * 2)) ] && return 1
        sleep 0.5
        waited=$((waited + 1))
    done
}

stop() {  # pids
    kill "$@" 2>/dev/null
    wait "$@" 2>/dev/null
    return 0
}

# scripts/run on a display from outside, in a session's runtime folder, as a desktop
# has them.
check_run() {
    local ready="$logs/xvfb-display" number start pid
    rm -f "$ready"
    mkfifo "$ready"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$ready" 2>"$logs/xvfb.log" &
    local server=$!
    read -r number <"$ready" || { failed "Xvfb did not start"; return; }
    rm -f "$ready"
    start="$(date +%s.%N)"
    mkdir -p -m 0700 "$root/run/user/0"
    in_machine DISPLAY=":$number" XDG_RUNTIME_DIR=/run/user/0 -- scripts/run >"$logs/run.log" 2>&1 &
    pid=$!
    if wait_for_main_window "$pid" "$window_limit" -display ":$number"; then
        say "scripts/run: main window after $(seconds_since "$start") s"
    else
        failed "scripts/run: no main window (see run.log)"
    fi
    # The program, not only the shell that started it, before its display.
    pkill -x quendrel 2>/dev/null
    stop "$pid"
    stop "$server"
}

# What scripts/run tells a user without a display, typed as it says.
check_no_display() {
    local commands pid auth=""
    commands="$(in_machine -- scripts/run 2>&1 | sed -n 's/^  //p')"
    [ -n "$commands" ] || { failed "no-display recipe: scripts/run gave none"; return; }
    printf '%s\n' "$commands" >"$logs/no-display-commands"
    local install="${commands%%$'\n'*}" launch="${commands#*$'\n'}"
    in_machine -- "$install" >"$logs/no-display.log" 2>&1 || { failed "no-display recipe: '$install' failed"; return; }
    in_machine -- "$launch" >>"$logs/no-display.log" 2>&1 &
    pid=$!
    # xvfb-run keeps the key to the display it picked in its own folder under /tmp.
    local display=""
    for _ in $(seq 120); do
        auth="$(ls "$root"/tmp/xvfb-run.*/Xauthority 2>/dev/null | head -n 1)"
        [ -n "$auth" ] && display="$(xauth -f "$auth" list 2>/dev/null | sed -n 's/^[^ ]*\(:[0-9]*\) .*/\1/p' | head -n 1)"
        [ -n "$display" ] && break
        sleep 0.5
    done
    if [ -n "$display" ] && XAUTHORITY="$auth" wait_for_main_window "$pid" 120 -display "$display"; then
        say "no-display recipe: main window"
    else
        failed "no-display recipe: no main window (see no-display.log)"
    fi
    # The program's end ends xvfb-run, which stops its server and removes its folder.
    pkill -x quendrel 2>/dev/null
    stop "$pid"
    pkill -x Xvfb 2>/dev/null
    return 0
}

check_test() {
    local start closing
    start="$(date +%s.%N)"
    if limit="$test_limit" in_machine -- scripts/test >"$logs/test.log" 2>&1; then
        closing="$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$logs/test.log" | tail -n 1)"
        say "scripts/test: $closing in $(seconds_since "$start") s"
    else
        failed "scripts/test: failed (see test.log)"
        tail -n 40 "$logs/test.log"
    fi
}

# Compiler and toolkit warnings of the builds above, and CMake's.
check_warnings() {
    local count
    count="$(cat "$logs/run.log" "$logs/test.log" 2>/dev/null | grep -Ec 'warning:|CMake Warning')"
    if [ "$count" -eq 0 ]; then say "build warnings: none"; else failed "build warnings: $count"; fi
}

if make_machine; then
    check_run
    check_no_display
    check_test
    check_warnings
else
    failed "the machine could not be made (see debootstrap.log)"
fi
line="$release:"
for note in "${notes[@]}"; do line+=" $note;"; done
echo "${line%;}" | tee "$logs/summary"
[ "$failures" -eq 0 ]
