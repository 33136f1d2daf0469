#!/usr/bin/env bash
# Wispwood developer entry point.
#   ./dev.sh play [game words...]   install what is missing, build, start the game
#   ./dev.sh test [--sanitize]      install what is missing, build, run every test
#   ./dev.sh build [--sanitize]     install what is missing and build
# Safe to run again: only what changed is rebuilt.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    g++ cmake ninja-build pkg-config
    libsdl2-dev zlib1g-dev libpng-dev libjpeg-dev libogg-dev libvorbis-dev
    libfreetype-dev libcairo2-dev libharfbuzz-dev
    fonts-dejavu-core fonts-quicksand fonts-comfortaa fonts-leckerli-one fonts-dosis
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick
    desktop-file-utils appstream
)

install_missing() {
    local missing=()
    for pkg in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [[ ${#missing[@]} -eq 0 ]] && return 0
    if [[ $(id -u) -ne 0 ]]; then
        echo "Wispwood needs these Debian packages. Run as root:"
        echo "  apt-get update && apt-get install -y ${missing[*]}"
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
}

build() { # build dir, build type
    local dir=$1 type=$2
    if [[ ! -f "$dir/build.ninja" ]]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type"
    fi
    # The media generator runs during the build; in the sanitizer build the
    # font and drawing libraries it calls report their own leaks.
    ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} cmake --build "$dir"
}

command=${1:-play}
shift || true
dir=build type=Release
if [[ ${1:-} == --sanitize ]]; then
    dir=build-sanitize type=Sanitize
    shift
fi

install_missing
case "$command" in
    play)
        build "$dir" "$type"
        cd "$dir/game"
        exec ./wispwood "$@"
        ;;
    build)
        build "$dir" "$type"
        ;;
    test)
        build "$dir" "$type"
        ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
        ;;
    *)
        echo "usage: ./dev.sh play|test|build [--sanitize]" >&2
        exit 2
        ;;
esac
