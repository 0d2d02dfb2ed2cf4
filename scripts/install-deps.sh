#!/usr/bin/env bash
# Installs, with apt-get, whatever a fresh Debian 12 machine lacks to build,
# run and test Ventelle. Needs root or sudo when something is missing.
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libgtest-dev libbenchmark-dev fonts-liberation poppler-utils "$@")
# The French spell check of the help pages (tests/spelling).
packages+=(hunspell hunspell-fr)
# The no-break-space script of the shipped texts and its tests.
packages+=(python3)
# The launcher and AppStream checks, and the Debian package (cpack's
# dpkg-shlibdeps, dpkg-deb).
packages+=(desktop-file-utils appstream dpkg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
