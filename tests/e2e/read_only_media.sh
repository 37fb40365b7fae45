#!/bin/sh
# Runs the write-protected removable drive tests (WriteProtectedMedia.* in
# bad_media_test.cpp) on a filesystem that really refuses writes: a small
# tmpfs mounted here, given metrova.exe, a settings file and an empty folder,
# then remounted read-only; the tests make it a removable drive through
# Wine's mount manager. A folder without write permission would not do, as
# root writes it anyway. Mounting needs root (CAP_SYS_ADMIN); without it the
# tests are skipped (exit 77).
#   read_only_media.sh TEST_PROGRAM METROVA_EXE
set -eu
program=$1
exe=$2
. "$(dirname "$0")/../../scripts/wine-env.sh"
export WINEDEBUG=-all
media=$(mktemp -d /tmp/metrova-read-only.XXXXXX)
cleanup() {
  umount "$media" 2>/dev/null || true
  rmdir "$media" 2>/dev/null || true
}
trap cleanup EXIT INT TERM
if ! mount -t tmpfs -o size=16m tmpfs "$media" 2>/dev/null; then
  echo "cannot mount a filesystem here (needs root): write-protected media not tested"
  exit 77
fi
cp "$exe" "$media/metrova.exe"
mkdir -p "$media/Brisklane/Metrova" "$media/fresh"
# What bad_media_test.cpp expects to find: favourite 0,1,2; recent 0,3,4; 3 decimals.
printf '[Favorites List]\r\nFAVORITE_CAT_1=0\r\nFAVORITE_FR_1=1\r\nFAVORITE_TO_1=2\r\n\r\n[Recent List]\r\nRECENT_CAT_1=0\r\nRECENT_FR_1=3\r\nRECENT_TO_1=4\r\n\r\n[Options]\r\nNUM_FORMAT=1\r\nDEC_PLACE=3\r\n' \
  >"$media/Brisklane/Metrova/metrova.ini"
# And one unit of the user's own: stride = 0.78 meter.
printf '[Unit]\r\nCategory=Common Length\r\nName=stride\r\nEquals=0.78\r\nOf=meter\r\n' \
  >"$media/Brisklane/Metrova/metrova-units.ini"
mount -o remount,ro "$media"
status=0
METROVA_READ_ONLY_MEDIA="$media" "$WINE" "$program" --gtest_filter='WriteProtectedMedia.*' || status=$?
exit $status
