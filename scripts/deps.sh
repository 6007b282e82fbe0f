#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing: once
# they are there this runs no apt-get at all.  FN_APT_UPDATED=1 says the
# package lists are fresh (CI updates them once), so none is fetched here.
set -euo pipefail
pkgs=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libopenimageio-dev openimageio-tools nlohmann-json3-dev libcli11-dev
  libopencolorio-dev opencolorio-tools
  libegl-dev libgl-dev libglu1-mesa-dev libegl-mesa0 libgl1-mesa-dri
  libexpat1-dev libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-liberation2 libpng-dev
  clang libclang-rt-14-dev libfuzzer-14-dev
  qt6-base-dev xvfb xauth
  # installs: the man page, the Debian package and its check
  help2man dpkg-dev file man-db
  # the manual, made from the README
  cmark-gfm
  # the farm tests' single-node cluster (tests/farm)
  slurm-wlm slurmctld slurmd slurm-client munge procps
  # the frei0r filter, its description, and the programs that load it
  frei0r-plugins-dev libxml2-dev ffmpeg melt
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  [ "${FN_APT_UPDATED:-0}" = 1 ] || $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
