#!/bin/sh
# Runs the report file test where a case needs a setting the plain run lacks. Exits 77 (skipped)
# where that setting cannot be made here.
#   report_file_runs.sh user TEST       as the unprivileged user 65534, from root: root writes
#                                       into any folder, so a read-only folder needs another user;
#                                       and files that user may write but not give away, in a
#                                       folder anyone may write into: the superuser's, and one of
#                                       the superuser's group
#   report_file_runs.sh full-disk TEST  with a full disk: a 64 KiB tmpfs in a private namespace
set -eu
setting=$1 test=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
case $setting in
user)
    if [ "$(id -u)" -ne 0 ]; then
        echo "Skipped: already unprivileged, so the plain run covers it"
        exit 77
    elif ! command -v setpriv >/dev/null; then
        echo "Skipped: no setpriv to change user"
        exit 77
    fi
    # A copy the user can reach, whatever the permissions of the build folder; a home and a
    # temporary folder of its own.
    cp "$test" "$work/report_file_test"
    mkdir -m 700 "$work/home"
    chown 65534:65534 "$work/home"
    chmod 755 "$work"
    mkdir -m 777 "$work/shared" "$work/shared/files"
    printf 'kept\r\n' >"$work/shared/files/root.txt"
    printf 'kept\r\n' >"$work/shared/files/root-group.txt"
    chmod 666 "$work/shared/files/root.txt"
    chown 65534:0 "$work/shared/files/root-group.txt"
    chmod 664 "$work/shared/files/root-group.txt"
    KESTRELINK_FOREIGN_FILES="$work/shared/files" \
        HOME="$work/home" TMPDIR="$work/home" XDG_RUNTIME_DIR="$work/home" \
        setpriv --reuid=65534 --regid=65534 --clear-groups "$work/report_file_test" || status=$?
    ;;
full-disk)
    if ! unshare -rm sh -c 'mount -t tmpfs -o size=64k tmpfs "$1"' sh "$work" 2>/dev/null; then
        echo "Skipped: no private tmpfs here (unshare -rm and mount refused)"
        exit 77
    fi
    unshare -rm sh -c 'mount -t tmpfs -o size=64k tmpfs "$1" &&
        KESTRELINK_FULL_DISK="$1" "$2" aFullDiskSaysSoAndKeepsTheEarlierFile' \
        sh "$work" "$test" || status=$?
    ;;
*)
    echo "usage: $0 user|full-disk TEST" >&2
    status=2
    ;;
esac
exit $status
