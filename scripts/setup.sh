#!/usr/bin/env bash
# Installs from Debian's packages everything the build, the program and the tests need.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev libqt6opengl6-dev qt6-base-dev-tools libgl-dev
  qt6-base-private-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libturbojpeg0-dev libjpeg62-turbo-dev
  fonts-liberation2 fonts-dejavu-core
  python3 python3-fonttools python3-pil librsvg2-bin
  clang-format clang libclang-rt-14-dev
  dpkg-dev file lintian desktop-file-utils appstream
  xvfb x11-utils
)

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
