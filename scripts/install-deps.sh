#!/usr/bin/env bash
# Installs, from Debian's packages, what the builds and tests need; packages
# already present are left alone. Needs root (apt-get).
#   install-deps.sh build    the native build and the cross compilers
#   install-deps.sh test     all of that, plus Wine, Xvfb, fonts and check tools
set -euo pipefail

build_packages=(
  cmake g++ make libgtest-dev libgmock-dev python3
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
)
# Wine runs the 64-bit test builds everywhere, and the 32-bit programs as
# shipped where this machine executes 32-bit x86 programs (wine32, below).
test_packages=(
  wine wine64 fonts-wine xvfb locales fonts-ipafont-gothic imagemagick
  python3-pefile clang libclang-rt-14-dev valgrind
)

wanted=("${build_packages[@]}")
[ "${1:-build}" = test ] && wanted+=("${test_packages[@]}")

if [ "${1:-build}" = test ] && "$(dirname "$0")/can-run-i386.sh" >/dev/null; then
  wanted+=(wine32:i386)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
fi

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine needs this locale for a Japanese system code page (932).
if [ "${1:-build}" = test ] && ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
