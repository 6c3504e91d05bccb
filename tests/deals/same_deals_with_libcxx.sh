#!/bin/sh
# Builds the deal listing a second time, with Clang and its own standard library (libc++), and
# compares its output line by line with the listing of this build (GCC and libstdc++): every seed
# must deal the same puzzle, and every recorded game end the same, whichever built the game.
#   same_deals_with_libcxx.sh LISTING SOURCE_FOLDER [RECORDED GAME...]
# Exits 77 (skipped) without clang++ or libc++.
set -eu
listing=$1 source=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! command -v clang++ >/dev/null ||
    ! printf '#include <vector>\nint main(){}\n' |
    clang++ -std=c++20 -stdlib=libc++ -x c++ - -o "$work/probe" 2>/dev/null; then
    echo "Skipped: no clang++ with libc++ here (Debian: clang libc++-dev libc++abi-dev)"
    exit 77
fi
clang++ -std=c++20 -stdlib=libc++ -O1 -I"$source" "$source"/game/*.cpp "$source"/report/*.cpp \
    "$source"/tests/deals/deal_listing.cpp -o "$work/listing-libcxx"
# The report's first line holds the local time: one zone for both.
TZ=UTC "$listing" "$@" >"$work/libstdcxx.txt"
TZ=UTC "$work/listing-libcxx" "$@" >"$work/libcxx.txt"
if ! ldd "$work/listing-libcxx" | grep -q 'libc++\.so'; then
    echo "The second listing is not linked to libc++" >&2
    exit 1
fi
echo "$(grep -c '^seed .* pcs ' "$work/libstdcxx.txt") deals, $(grep -c ' draws ' \
    "$work/libstdcxx.txt") rows of draws and $(grep -c '^replay of' "$work/libstdcxx.txt") \
recorded games compared"
diff "$work/libstdcxx.txt" "$work/libcxx.txt" && echo "The same with libstdc++ and libc++"
