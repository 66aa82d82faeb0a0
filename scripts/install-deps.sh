#!/usr/bin/env bash
# Installs every Debian package Pinnole needs to build, run and test.
# Skips apt entirely when everything is already present.
set -euo pipefail

PACKAGES=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-multimedia-dev libx11-dev libxtst-dev
  qt6-qpa-plugins libqt6svg6 qt6-image-formats-plugins qt6-translations-l10n
  libespeak-ng-dev espeak-ng-data espeak-ng
  fonts-ecolier-court fonts-dejavu-core fonts-liberation2
  pulseaudio
  xvfb xauth x11-utils x11-xserver-utils xdotool openbox
  cups printer-driver-cups-pdf libcups2-dev poppler-utils fonts-urw-base35
  sox
  qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite
  sway xwayland qt6-wayland libwayland-dev libxkbcommon-dev grim
  dpkg-dev debhelper lintian file desktop-file-utils appstream
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
