#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, and
# any further packages named on the command line (for the optional scripts).
# Only what is missing is installed, so running it again changes nothing.
set -euo pipefail

packages=(
    cmake g++ make
    desktop-file-utils appstream
    qt6-base-dev libqt6sql6-sqlite qt6-translations-l10n
    fonts-liberation
    libgeographiclib-dev
    zlib1g-dev  # the map's PNG, deflated row by row
    libfontconfig-dev  # the fonts' set-up read beside the window's start-up
    qt6-svg-dev
    marble-qt-data  # Natural Earth, which the build compiles into the map
    libhamlib-utils  # rotctld, which the rotator tests start
    hamradio-files  # the country file cty.dat, read at run time for callsigns
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
