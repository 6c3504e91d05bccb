# Shared by scripts/play and scripts/test: install what is missing, then configure and build.
# Sourced, not run.

KESTRELINK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KESTRELINK_BUILD="$KESTRELINK_ROOT/build"

# Debian/Ubuntu packages the build, the tests and the game need.
KESTRELINK_PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev
    libgtest-dev libbenchmark-dev clang-format git ccache
    fonts-liberation2 fonts-dejavu-core
    qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    desktop-file-utils appstream man-db groff-base dpkg-dev file
    clang libc++-dev libc++abi-dev
)
# What the games played through X need: a private X server, synthetic input, screenshots; and
# for the game played on Wayland, a compositor that runs inside that server and Qt's platform.
KESTRELINK_X11_PACKAGES=(xvfb xdotool imagemagick python3 weston qt6-wayland)
# What the game played with a screen reader needs besides: a small window manager, the session
# and accessibility buses, a speech server (its output goes to a file) and the screen reader.
KESTRELINK_SCREEN_READER_PACKAGES=(
    matchbox-window-manager dbus-daemon dbus-bin at-spi2-core
    speech-dispatcher speech-dispatcher-audio-plugins orca
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# configure_and_build [--target NAME] [CMAKE_ARGUMENT...]: builds everything, or only NAME and
# what it needs.
configure_and_build() {
    local targets=()
    if [ "${1:-}" = "--target" ]; then
        targets=(--target "$2")
        shift 2
    fi
    configure_and_build_in "$KESTRELINK_BUILD" "${targets[@]}" "$@"
}

# configure_and_build_in FOLDER [--target NAME] [CMAKE_ARGUMENT...]: the same in a given folder.
configure_and_build_in() {
    local build=$1 extra=() targets=()
    shift
    if [ "${1:-}" = "--target" ]; then
        targets=(--target "$2")
        shift 2
    fi
    # Warnings fail the build in CI; locally they are shown but do not stop play.
    if [ "${CI:-}" = "true" ] || [ "${KESTRELINK_STRICT:-}" = "1" ]; then
        extra+=(-DKESTRELINK_WARNINGS_AS_ERRORS=ON)
    fi
    # Rebuilds, and builds of a second checkout, reuse what the compiler already made.
    if command -v ccache >/dev/null; then
        extra+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        export CCACHE_BASEDIR="$KESTRELINK_ROOT" CCACHE_NOHASHDIR=1
    fi
    cmake -S "$KESTRELINK_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra[@]}" "$@"
    cmake --build "$build" "${targets[@]}" --parallel "$(nproc)"
}

# The sanitized build: AddressSanitizer and UndefinedBehaviorSanitizer, lightly optimised so that
# the games played under it keep a player's pace, with line numbers in the reports.
KESTRELINK_SANITIZED_BUILD="$KESTRELINK_ROOT/build-asan"
configure_and_build_sanitized() {
    configure_and_build_in "$KESTRELINK_SANITIZED_BUILD" -DKESTRELINK_SANITIZE=ON \
        -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1"
}

# Processes started here, each ended by its own process id when the script exits.
KESTRELINK_STARTED=()
end_started_processes() {
    local pid
    for pid in "${KESTRELINK_STARTED[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    KESTRELINK_STARTED=()
}

# Starts a private X server with a screen of WIDTHxHEIGHT and no window manager, on a display
# number the server picks itself (other X servers may run on this machine), and exports that
# display in the named variable. -noreset keeps the server up when the last program leaves.
start_xvfb() {
    local variable=$1 size=$2 number_file pid
    trap end_started_processes EXIT
    trap 'exit 130' INT TERM
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${size}x24" -noreset -nolisten tcp 3>"$number_file" \
        >/dev/null 2>&1 &
    pid=$!
    KESTRELINK_STARTED+=("$pid")
    for _ in $(seq 100); do
        [ -s "$number_file" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if ! [ -s "$number_file" ]; then
        rm -f "$number_file"
        echo "Xvfb (${size}) did not start" >&2
        return 1
    fi
    export "$variable=:$(head -n1 "$number_file")"
    rm -f "$number_file"
    echo "Xvfb ${size} on ${!variable} (pid $pid)"
}

# The servers the games played through X use: one for the scripted player, one for the soak,
# a 640 x 480 screen that is too small for a large board, and one that shows a Wayland
# compositor's outputs.
start_x_servers() {
    start_xvfb KESTRELINK_X_DISPLAY 1280x1024
    start_xvfb KESTRELINK_X_SOAK_DISPLAY 1280x1024
    start_xvfb KESTRELINK_X_SMALL_DISPLAY 640x480
    start_xvfb KESTRELINK_X_WAYLAND_DISPLAY 1280x1024
}
