#!/bin/sh
# Installs the build into a fresh prefix, compares what landed there with the expected list, and
# runs the game from there (only --version: the test has no display).
#   installed_files_test.sh BUILD_DIR EXPECTED_LIST VERSION
set -eu
build=$1
expected=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix" "$prefix.list"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) >"$prefix.list"
if ! diff -u "$expected" "$prefix.list"; then
    echo "The installed files differ from $expected (- expected, + installed)."
    exit 1
fi
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/kestrelink" --version)
[ "$version" = "Kestrelink $3" ] || { echo "installed game said: $version"; exit 1; }
