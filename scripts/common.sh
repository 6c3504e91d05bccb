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
    local extra=() targets=()
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
    cmake -S "$KESTRELINK_ROOT" -B "$KESTRELINK_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "${extra[@]}" "$@"
    cmake --build "$KESTRELINK_BUILD" "${targets[@]}" --parallel "$(nproc)"
}
