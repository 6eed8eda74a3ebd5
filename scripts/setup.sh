#!/usr/bin/env bash
# Installs every Debian package Lamvero needs to build, test and run.
# Quick when everything is already there; needs root (or sudo) otherwise.
set -euo pipefail

packages=(
  cmake g++ make
  qt6-base-dev libgl-dev qt6-translations-l10n
  qt6-tools-dev qt6-l10n-tools  # lupdate and lrelease: the English catalogues in translations/
  qt6-charts-dev libqt6charts6 libqt6opengl6-dev qt6-svg-dev libqt6svg6
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  libnlopt-cxx-dev libeigen3-dev  # fitting and optimisation; the statistics at the optimum
  libboost-dev  # Student's t for the confidence intervals of a fit (header-only Boost.Math)
  fonts-liberation fonts-dejavu-core fontconfig
  xvfb xauth
  shared-mime-info  # update-mime-database: the install check reads the case files' MIME type back
  poppler-utils  # pdftotext, pdfinfo, pdfimages: the report tests read the PDF back
  clang-14 libclang-rt-14-dev  # libFuzzer run of the number reader and the input check
  slurm-wlm munge  # a one-node Slurm for the cluster test of scripts/slurm-study.sh
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}" >&2
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
