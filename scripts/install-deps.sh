#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need
# (Wine and mingw-w64 for the tests under Wine);
# with --fuzz also clang and its libFuzzer runtime for scripts/fuzz.sh.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libx11-dev libxi-dev
  googletest libgtest-dev libbenchmark-dev
  xvfb xauth openbox xdotool x11-utils
  fonts-ipafont-gothic
  qt6-image-formats-plugins
  desktop-file-utils appstream dpkg-dev file
  # The Win32 stand-in and the tests under Wine (the 64-bit loader only).
  g++-mingw-w64-x86-64 wine wine64
)
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
  else
    SUDO=
  fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
