#!/bin/sh
# Portable zips of both Windows builds: dist/metrova-VERSION-win64.zip and
# dist/metrova-VERSION-win32.zip, each holding the stripped metrova.exe and a
# short note. Builds the presets' metrova target first.
# METROVA_BUILD_PREFIX changes where the builds live (default "build/", giving
# build/win64 and build/win32).
set -eu
cd "$(dirname "$0")/.."
PREFIX="${METROVA_BUILD_PREFIX:-build/}"
mkdir -p dist
for pair in win64:x86_64 win32:i686; do
  preset=${pair%%:*}; arch=${pair#*:}
  cmake --preset "$preset" -B "$PREFIX$preset" >/dev/null
  cmake --build "$PREFIX$preset" --target metrova -j 2
  # The version the build wrote from project() in CMakeLists.txt.
  VERSION=$(sed -n 's/^#define METROVA_VERSION_TEXT *"\([^"]*\)".*/\1/p' "$PREFIX$preset/generated/res/version.h")
  stage=$(mktemp -d)
  "$arch-w64-mingw32-strip" -o "$stage/metrova.exe" "$PREFIX$preset/shell/metrova.exe"
  cat > "$stage/README.txt" <<NOTE
Metrova $VERSION ($preset)

A unit converter that needs no installation: copy metrova.exe anywhere, a USB
stick included, and start it. Started from a removable drive it keeps its
settings next to itself (Brisklane\\Metrova\\metrova.ini below the current
folder); otherwise in your application-data folder.
NOTE
  sed -i 's/$/\r/' "$stage/README.txt"   # Windows line ends
  zip="dist/metrova-$VERSION-$preset.zip"
  rm -f "$zip"
  (cd "$stage" && zip -q -X "$OLDPWD/$zip" metrova.exe README.txt)
  rm -rf "$stage"
  echo "$zip: $(stat -c %s "$zip") bytes"
done
