#!/bin/sh
# Runs a 32-bit x86 Linux test program in user-mode emulation. The i386
# libraries g++-multilib installs are found in their usual place.
command -v qemu-i386 >/dev/null 2>&1 || { echo "qemu-i386 missing: install qemu-user (scripts/setup-debian.sh)" >&2; exit 127; }
exec qemu-i386 "$@"
