#!/usr/bin/env bash
# Installs the Debian packages the client, the demo gateway and the tests need,
# but only those that are missing, so repeated runs cost nothing.
set -euo pipefail

packages=(
  g++ make cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools
  qt6-httpserver-dev qt6-websockets-dev
  qt6-pdf-dev
  libgl-dev libvulkan-dev
  libssl-dev
  libsimdjson-dev
  fonts-noto-cjk
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
