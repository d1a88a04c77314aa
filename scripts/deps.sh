# Sourced by scripts/run and scripts/test: installs what the build needs from Debian's
# packages when it is missing (through sudo when not root).
QUENDREL_PACKAGES=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
                   clang-14 libclang-rt-14-dev xvfb xauth libxcb1-dev fonts-dejavu-core
                   fonts-liberation2)

quendrel_install_deps() {
    local missing=()
    for p in "${QUENDREL_PACKAGES[@]}"; do
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
