#!/usr/bin/env bash
# Installs the Debian packages that are missing for building and running (argument "run"),
# for building the Debian package ("package"), for cross-building the Windows runner
# ("windows"), for that and running it in Wine ("wine"), for the fuzzers ("fuzz"), for
# building and testing, the package and the Windows runner included ("test"), for looking at
# the windows under a virtual display ("look"), or for the benchmarks and the interpreters
# they are measured against ("bench"). Does nothing when all are present.
set -euo pipefail

purpose=${1:-run}
# CLI11 reads the command-line runner's options and toml++ the exercise files; both are
# header-only and needed by the Windows build too.
packages=(g++ cmake ninja-build pkg-config libcli11-dev libtomlplusplus-dev)
if [[ $purpose == wine ]]; then
    packages+=(g++-mingw-w64-x86-64-posix wine64)
elif [[ $purpose == windows ]]; then
    packages+=(g++-mingw-w64-x86-64-posix)
elif [[ $purpose == fuzz ]]; then
    packages+=(clang libclang-rt-14-dev)
else
    packages+=(
        qt6-base-dev qt6-translations-l10n fonts-dejavu-core
        libavformat-dev libavcodec-dev libswscale-dev libavutil-dev
        libxlsxwriter-dev
    )
fi
if [[ $purpose == package || $purpose == test ]]; then
    packages+=(dpkg-dev file librsvg2-bin)
fi
if [[ $purpose == test ]]; then
    packages+=(googletest libgtest-dev libbenchmark-dev clang-format unzip)
    # pdftoppm, to look at a printed listing rendered to PDF
    packages+=(poppler-utils)
    packages+=(desktop-file-utils g++-mingw-w64-x86-64-posix xvfb xauth)
fi
# The benchmarks: SPIM runs the same loop, GNU time measures peak memory, the window's fast
# run is measured on a virtual display.
if [[ $purpose == bench ]]; then
    packages+=(libbenchmark-dev spim time xvfb xauth)
fi
# Looking at the windows: a virtual display, driving it by keyboard and mouse, screenshots.
if [[ $purpose == look ]]; then
    packages+=(xvfb xauth xdotool imagemagick)
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
