#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Orvella need.
# Installs only what is missing, so it is cheap to run again.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config clang libclang-rt-14-dev clang-format
  # libraries
  qt6-base-dev qt6-multimedia-dev qt6-charts-dev qt6-svg-dev libgl-dev libhunspell-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # running without a display, printing checks, sound back ends, spelling dictionary
  xvfb xauth xdotool poppler-utils gstreamer1.0-plugins-good gstreamer1.0-libav hunspell-en-us
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
