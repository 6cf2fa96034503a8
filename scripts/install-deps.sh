#!/usr/bin/env bash
# Installs the Debian packages that are missing for building and running (argument "run")
# or for building and testing (argument "test"), or for building and rendering the pictures
# under docs/ (argument "docs"). Does nothing when all are present.
set -euo pipefail

purpose=${1:-run}
packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n fonts-dejavu-core
    libavformat-dev libavcodec-dev libswscale-dev libavutil-dev
)
if [[ $purpose == docs ]]; then
    packages+=(xvfb xauth)
fi
if [[ $purpose == test ]]; then
    packages+=(googletest libgtest-dev libbenchmark-dev clang-format)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

sudo=()
if ((EUID != 0)); then
    sudo=(sudo)
fi
echo "Installiere: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
