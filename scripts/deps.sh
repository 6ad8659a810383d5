#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some are missing.
# zlib1g-dev: libxlsxwriter's link line names -lz, but its -dev package does not pull zlib's in.
set -euo pipefail
PACKAGES=(
  g++ cmake ninja-build pkg-config lld
  qt6-base-dev libqt6opengl6-dev libqt6sql6-sqlite qt6-charts-dev qt6-translations-l10n
  libxlsxwriter-dev zlib1g-dev libbenchmark-dev mdbtools-dev unzip
  fonts-wqy-zenhei poppler-utils xvfb xauth xdotool
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
