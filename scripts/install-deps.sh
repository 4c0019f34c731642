#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and its tests need,
# asking apt only for what is missing so a second run costs nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libjpeg62-turbo-dev
  xvfb xauth xdotool xclip openbox x11-utils imagemagick
  fonts-liberation fonts-dejavu-core fonts-dejavu-extra
)
if [ "${RXLINE_WITH_CLANG:-0}" = 1 ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
