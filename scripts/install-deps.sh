#!/usr/bin/env bash
# Installs the Debian packages needed to build and test zeldesk, and nothing else.
# Safe to run again: packages already installed are skipped.
set -euo pipefail

packages=(
    cmake
    make
    g++
    qtbase5-dev          # Core, Gui, Widgets, Network, Sql, Test
    libqt5sql5-sqlite    # the QSQLITE driver
    libqt5svg5-dev       # Svg
    qttools5-dev         # LinguistTools CMake package
    qttools5-dev-tools   # lupdate, lrelease
    fonts-wqy-microhei   # a CJK font, so Chinese renders offscreen
    clang-format         # make format-check
    clang-tidy           # make lint
    pkg-config           # finds cpp-httplib
    libcpp-httplib-dev   # the remote server's HTTP library (a shared library)
    chromium             # the browser test of the web page (headless)
    chromium-driver
    python3-selenium
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all ${#packages[@]} packages present"
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "install-deps: not root and no sudo; install: ${missing[*]}" >&2; exit 1; }
    SUDO="sudo"
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q || { echo "install-deps: apt-get update failed" >&2; exit 1; }
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}" \
    || { echo "install-deps: apt-get install failed for: ${missing[*]}" >&2; exit 1; }
