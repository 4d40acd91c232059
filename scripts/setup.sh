#!/usr/bin/env bash
# Installs what the build needs from Debian's packages, only when something is missing.
set -euo pipefail

# Qt's SVG module draws the icons, its tools compile the translations; Xvfb and xauth run the GUI
# under a virtual display in the tests, dbus-daemon gives the companion-link test a private bus, and
# the CJK font shows the Chinese translation; libedit gives kvt80ctl's prompt its line editing;
# kvt80-config and kvt80-roomeq read and write JSON with nlohmann-json; the room EQ assistant
# solves its fit with Eigen. dpkg-dev and file work out the packages' dependencies; the desktop,
# AppStream, MIME, manual-page and PDF tools check the installed tree.
packages=(g++ cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          clang clang-format libclang-rt-14-dev qt6-base-dev qt6-svg-dev qt6-tools-dev
          qt6-tools-dev-tools qt6-l10n-tools libqt6svg6 fonts-dejavu-core fonts-noto-cjk ccache
          xvfb xauth dbus-daemon git libedit-dev nlohmann-json3-dev libeigen3-dev
          dpkg-dev file desktop-file-utils appstream shared-mime-info man-db poppler-utils
          libboost-dev libqrencode-dev)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# kvt80-web's end-to-end test drives Debian's chromium headless. A machine that cannot have it
# still builds and tests everything else; the test script then says the browser test was skipped.
if ! dpkg-query -W -f='${Status}' chromium 2>/dev/null | grep -q "install ok installed"; then
    echo "Installing: chromium"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update || true
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends chromium ||
        echo "chromium could not be installed: the browser test will be skipped"
fi

# kvt80-web's page is built with npm. A node that is already there (with its own npm) is kept;
# Debian's nodejs and npm come only when there is none.
if ! command -v npm >/dev/null 2>&1; then
    echo "Installing: nodejs npm"
    sudo_cmd=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends nodejs npm
fi
