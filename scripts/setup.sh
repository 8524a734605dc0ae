#!/usr/bin/env bash
# Installs what the ZU6400 Utility needs to build, run and test (Debian 12, as root).
set -euo pipefail
packages=(build-essential cmake ninja-build ccache qt6-base-dev qt6-serialport-dev libqt6serialport6-dev
          libgl-dev libcurl4-openssl-dev libgtest-dev googletest clang libclang-rt-14-dev python3 python3-pyftpdlib
          dpkg-dev file desktop-file-utils appstream man-db bash-completion
          qt6-httpserver-dev qt6-websockets-dev chromium qt6-charts-dev
          ser2net python3-serial
          mosquitto mosquitto-clients libmosquitto-dev python3-paho-mqtt prometheus
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          xvfb xauth dbus dbus-x11 at-spi2-core python3-pyatspi)
missing=()
for p in "${packages[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
