#!/bin/sh
# Installs the Debian packages Reelkeep builds with, only those that are missing.
set -eu
# clang-tidy brings run-clang-tidy; clang-format checks the formatting; poppler-utils reads
# the printed PDF files back. The install test validates the desktop files (desktop-file-utils,
# appstream), types files (shared-mime-info, libglib2.0-bin's gio) and renders the manual pages
# (groff-base, man-db); dpkg-dev's dpkg-shlibdeps gives the Debian package its dependencies.
# The desktop tests run the window on an X server with a window manager, a D-Bus session and a
# print scheduler of their own, pressing keys with xdotool (imagemagick takes screenshots); the
# accessibility test reads the window through the AT-SPI bus with pyatspi, and the screen reader
# test runs Orca, speaking through speech-dispatcher and espeak-ng to a null sound device.
# lupdate and lrelease (qt6-l10n-tools, found through qt6-tools-dev's CMake files) build the
# translations; qt6-translations-l10n holds Qt's own, for its dialogs and buttons.
packages="g++ ccache cmake ninja-build pkg-config qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
  libexpat1-dev zlib1g-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  fonts-dejavu-core clang-tidy clang-format poppler-utils desktop-file-utils appstream
  shared-mime-info libglib2.0-bin groff-base man-db dpkg-dev
  xvfb xauth openbox xdotool dbus-x11 cups cups-client cups-bsd imagemagick python3
  at-spi2-core python3-pyatspi orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
echo "Installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
