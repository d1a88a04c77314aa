# Sourced by scripts/run, scripts/test and scripts/bench: each installs from Debian's
# packages (through sudo when not root) what it needs and is missing.

# Building and running the application.
QUENDREL_RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2)
# The test suite: GoogleTest, the sanitizer build's runtime and the fuzzer (clang 14),
# a virtual display and X's client library for the real-desktop tests, a headless
# Wayland compositor, the toolkit's Wayland platform and a client that tells when the
# compositor is up for their Wayland leg, and the tools that check the packages.
QUENDREL_TEST_PACKAGES=(libgtest-dev clang-14 libclang-rt-14-dev xvfb xauth libxcb1-dev weston qt6-wayland wayland-utils
                        binutils dpkg-dev)
# The benchmarks, which also start a virtual display where there is none.
QUENDREL_BENCH_PACKAGES=(libbenchmark-dev xvfb xauth)

quendrel_install_deps() {  # package names
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

quendrel_configure_and_build() {  # build-dir, then extra cmake arguments
    local dir="$1"; shift
    cmake -S "$QUENDREL_ROOT" -B "$QUENDREL_ROOT/$dir" -G Ninja "$@" >/dev/null
    cmake --build "$QUENDREL_ROOT/$dir"
}
