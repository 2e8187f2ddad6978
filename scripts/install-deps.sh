#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Orvane! needs.
# Idempotent: apt-get runs only when a package is missing, so a second run is quick.
set -euo pipefail

packages=(
  # toolchain
  g++ cmake ninja-build make pkg-config clang clang-format dpkg-dev file tzdata
  # test and benchmark frameworks; pugixml is the yardstick of the loading benchmark
  libgtest-dev libgmock-dev libbenchmark-dev libpugixml-dev
  # Qt 6 widgets, D-Bus (desktop notifications; part of qt6-base-dev), SVG icons, sound,
  # platform plugins (xcb and offscreen)
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-multimedia-dev qt6-qpa-plugins
  # the runtime of Qt Multimedia with its plugins (the looping alarm sound)
  libqt6multimedia6
  # JSON output of orvane-cli dump
  nlohmann-json3-dev
  # iCalendar: parsing, writing, time zones and recurrence for calendar import and export
  libical-dev
  # case and accent folding for Find in the phone book
  libicu-dev
  # sync with CalDAV/CardDAV servers (the program runs without them), and the end-to-end
  # sync test: vdirsyncer, a Radicale server on 127.0.0.1, curl to change items on it
  vdirsyncer radicale curl
  # fonts for reports and the window; a display server for screenshots
  fonts-liberation xvfb xauth
  # PDF text checks in the printing tests
  poppler-utils
  # desktop integration checks
  desktop-file-utils appstream
  # xdg-mime: whether the desktop has a program for tel: links (dialing from the phone book)
  xdg-utils
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  echo "install-deps: all ${#packages[@]} packages are present"
  exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages: ${missing[*]}" >&2
  echo "install-deps: run as root:  sudo $0" >&2
  echo "          or: sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
