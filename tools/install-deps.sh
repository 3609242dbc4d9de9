#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# Does nothing when every package is already there. qt6-documentation-tools
# brings qhelpgenerator, which compiles the help; the help engine reads help
# files through Qt's SQLite driver; libqt6svg6 draws the program's icon;
# poppler-utils gives the print tests pdftotext and pdftoppm to read back the
# PDF the program wrote; qt6-charts-dev draws the costs window's balance
# chart, and CMake finds Qt6Charts only with libqt6opengl6-dev beside it.
#
# `install-deps.sh package` adds what `make package` needs to build the
# Debian package: dpkg-shlibdeps (dpkg-dev), which works out its dependencies
# from the binaries, file, with which CPack finds those binaries, and
# binutils' strip, which takes the debugging information out of them.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools
  qt6-documentation-tools libqt6sql6-sqlite libqt6svg6
  qt6-charts-dev libqt6opengl6-dev
  qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libsqlite3-dev
  fonts-dejavu-core
  poppler-utils
  xvfb xauth
)
if [ "${1:-}" = package ]; then
  packages+=(dpkg-dev file binutils)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
