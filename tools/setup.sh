#!/usr/bin/env bash
# Installs, only when missing, every Debian package that building, running and testing need.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libpugixml-dev libcairo2-dev libpango1.0-dev libgtk-3-dev
  libjpeg62-turbo-dev libjpeg-turbo-progs libcurl4-openssl-dev libicu-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xdotool xcompmgr imagemagick libxml2-utils python3 xdg-utils
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
