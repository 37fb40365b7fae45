#!/bin/sh
# Installs what building, running and testing Metrova needs on Debian.
# Safe to run again: packages already present are left alone.
set -eu
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
PACKAGES="cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  g++-multilib qemu-user locales
  wine wine64 xvfb xauth xdotool imagemagick zip python3"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi

# The end-to-end tests run the program in a Russian (code page 1251) and a
# Japanese (932) locale; Wine takes its ANSI code page from the Unix locale.
# German gives the regional decimal symbol a comma.
LOCALES="ru_RU.UTF-8 ja_JP.UTF-8 de_DE.UTF-8"
absent=""
for l in $LOCALES; do
  short=$(echo "$l" | sed 's/UTF-8$/utf8/')
  locale -a 2>/dev/null | grep -qx "$short" || absent="$absent $l"
done
if [ -n "$absent" ]; then
  for l in $absent; do
    $SUDO sed -i "s/^# *\($l UTF-8\)$/\1/" /etc/locale.gen
    grep -qx "$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
  done
  $SUDO locale-gen >/dev/null
fi
