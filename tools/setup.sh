#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Numbloom builds, runs and is tested with, but
# only those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libpulse-dev qt6-svg-dev qt6-qpa-plugins qt6-wayland libqt6svg6 libcups2-dev
  qt6-base-private-dev libwayland-dev wayland-protocols
  qt6-charts-dev libqt6opengl6-dev libqt6charts6 libqt6sql6-sqlite
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-liberation2 fonts-comic-neue fonts-dejavu-core
  # Read aloud: Qt TextToSpeech through speech-dispatcher and espeak-ng's
  # voices (Debian's qt6-speech-dev headers need qt6-declarative-dev's)
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
)
if [ "${1:-}" = "--test" ]; then
  # headless runs, screenshots, PDF checks, the sanitizer and fuzz builds, and
  # the private print server with its PDF printer, the accessibility bus and
  # the Orca screen reader; git for the files a change touched (tidy)
  packages+=(xvfb xdotool x11-utils imagemagick poppler-utils clang clang-tidy libclang-rt-14-dev
             desktop-file-utils appstream cups cups-client printer-driver-cups-pdf
             pipewire pipewire-pulse wireplumber dbus pulseaudio pulseaudio-utils python3
             at-spi2-core python3-pyatspi orca openssh-server openssh-client sshfs lintian file openbox
             git)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
# Packages with a service (sshd, cups) must not start it on the machine: the
# tests start their own, privately. Debian's policy-rc.d says so to the
# packages' scripts, for the length of the install only.
policy=/usr/sbin/policy-rc.d
made_policy=""
if [ ! -e "$policy" ]; then
  printf '#!/bin/sh\nexit 101\n' | "${sudo[@]}" tee "$policy" >/dev/null
  "${sudo[@]}" chmod 755 "$policy"
  made_policy=1
fi
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" || {
  [ -n "$made_policy" ] && "${sudo[@]}" rm -f "$policy"; exit 1; }
[ -n "$made_policy" ] && "${sudo[@]}" rm -f "$policy"
exit 0
