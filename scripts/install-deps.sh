#!/usr/bin/env bash
# Installs the Debian packages that are missing for building and running (argument "run"),
# for building the Debian package ("package"), for cross-building the libraries of the
# Windows program from Debian's sources ("windows-deps"), for building the Windows program,
# its ZIP and installer ("windows"), for that and running it in Wine ("wine"), for the
# fuzzers ("fuzz"), for building and testing, the package and the Windows program included
# ("test"), for building and testing without them ("quick"), for looking at the windows under a virtual display ("look"), or for the
# benchmarks and the interpreters they are measured against ("bench"). Does nothing when all
# are present.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

purpose=${1:-run}
# CLI11 reads the command-line runner's options and toml++ the exercise files; both are
# header-only and needed by the Windows build too.
packages=(g++ cmake ninja-build pkg-config libcli11-dev libtomlplusplus-dev)
windows=false
[[ $purpose == windows* || $purpose == wine || $purpose == test ]] && windows=true
if $windows; then
    # The Windows libraries are built from the sources of the Linux ones (qt6-base-dev-tools
    # brings the host tools moc, rcc and uic).
    packages+=(
        g++-mingw-w64-x86-64-posix libz-mingw-w64-dev dpkg-dev make qt6-base-dev-tools
        nsis zip unzip librsvg2-bin icoutils
    )
fi
if [[ $purpose == wine* || $purpose == test ]]; then
    # Debian's wine64 keeps its command off the PATH; wine adds one.
    packages+=(wine64 wine)
fi
if [[ $purpose == wine-window ]]; then
    packages+=(xvfb xauth xdotool imagemagick)
fi
if [[ $purpose == fuzz ]]; then
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
if [[ $purpose == test || $purpose == quick ]]; then
    packages+=(googletest libgtest-dev libbenchmark-dev clang-format unzip)
    # pdftoppm, to look at a printed listing rendered to PDF
    packages+=(poppler-utils)
    packages+=(desktop-file-utils xvfb xauth)
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
sudo=()
if ((EUID != 0)); then
    sudo=(sudo)
fi
# The Windows libraries come from Debian's source packages.
new_sources=false
if $windows && ! grep -rqs '^\(deb-src\|Types:.*deb-src\)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    "${sudo[@]}" cp "$here/deb-src.sources" /etc/apt/sources.list.d/tovak-deb-src.sources
    new_sources=true
fi
if ((${#missing[@]} == 0)) && ! $new_sources; then
    exit 0
fi

"${sudo[@]}" apt-get update -qq
((${#missing[@]} == 0)) && exit 0
echo "Installiere: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
