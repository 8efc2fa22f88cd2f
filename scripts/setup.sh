#!/usr/bin/env bash
# Installs the Debian 12 packages that the build, the tests and the program need.
# Idempotent: it asks apt only for what is missing, and updates the lists only then.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl1-mesa-dev
  xvfb xauth
  python3-pyatspi at-spi2-core dbus openbox xdotool
  poppler-utils python3-pdfminer
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6svg6
  desktop-file-utils appstream shared-mime-info dpkg-dev file lintian rpm
  ansible-core ansible-lint
  qemu-system-x86 busybox-static kmod cpio xz-utils udev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
