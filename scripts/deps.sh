# Sourced by scripts/run, scripts/test and scripts/bench: each installs from Debian's
# packages (through sudo when not root) what it needs and is missing.

# Building and running the application.
QUENDREL_RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2)
# The test suite: GoogleTest, the fuzzer (the release's own clang and its sanitizer
# runtime), a virtual display and X's client library for the real-desktop tests, a
# headless Wayland compositor, the toolkit's Wayland platform and a client that tells
# when the compositor is up for their Wayland leg, and the tools that make and check
# the Debian package (its dependency scan runs file).
QUENDREL_TEST_PACKAGES=(libgtest-dev clang libclang-rt-dev xvfb xauth libxcb1-dev weston qt6-wayland wayland-utils
                        binutils dpkg-dev file)
# A virtual display, for starting the program on a machine without one.
QUENDREL_VIRTUAL_DISPLAY_PACKAGES=(xvfb xauth)
# The benchmarks, which also start a virtual display where there is none.
QUENDREL_BENCH_PACKAGES=(libbenchmark-dev "${QUENDREL_VIRTUAL_DISPLAY_PACKAGES[@]}")

quendrel_install_deps() {  # package names
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo
    sudo="$(quendrel_as_root)"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# "sudo " where installing needs it, else nothing: for the commands a script tells a
# user to type.
quendrel_as_root() {
    [ "$(id -u)" -ne 0 ] && printf 'sudo '
    return 0
}

quendrel_configure() {  # build-dir, then extra cmake arguments
    local dir="$1"; shift
    cmake -S "$QUENDREL_ROOT" -B "$QUENDREL_ROOT/$dir" -G Ninja "$@" >/dev/null
}

quendrel_configure_and_build() {  # build-dir, then extra cmake arguments
    quendrel_configure "$@"
    cmake --build "$QUENDREL_ROOT/$1"
}
