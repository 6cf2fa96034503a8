#!/usr/bin/env bash
# Cross-builds the libraries the Windows program needs (Qt, FFmpeg, libxlsxwriter) from
# Debian's sources with MinGW-w64, once, into a cache folder outside the clone that is named
# after the source versions; later runs reuse it. The last line of output is that folder.
#   scripts/windows-deps.sh
# TOVAK_CACHE moves the cache (default ~/.cache/tovak). A lock keeps two runs from building
# the same folder twice, and the folder appears only when it is complete.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${TOVAK_CACHE:-$HOME/.cache/tovak}
# Raise this when the way the libraries are built changes.
recipe=1

"$root/scripts/install-deps.sh" windows-deps

# The sources are those of the Linux libraries the program is built with, so both builds
# have the same versions.
version() { dpkg-query -W -f='${source:Version}' "$1"; }
qt=$(version qt6-base-dev)
ffmpeg=$(version libavcodec-dev)
xlsx=$(version libxlsxwriter-dev)
gcc=$(version g++-mingw-w64-x86-64-posix)
key="qt${qt}-ffmpeg${ffmpeg#*:}-xlsxwriter${xlsx}-gcc${gcc%%-*}-r${recipe}"
deps=$cache/mingw-${key//[:~]/_}

mkdir -p "$cache"
exec 9>"$deps.lock"
flock 9
if [[ -d $deps ]]; then
    echo "$deps"
    exit 0
fi

echo "Baue die Windows-Bibliotheken nach $deps (einmalig, etwa 30 Minuten) ..." >&2
work=$(mktemp -d "$deps.work.XXXXXX")
# A failed build stays for a look; the next run starts afresh beside it.
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
jobs=$(nproc)
# step LOG COMMAND...: runs the command at low priority into the log, which it shows on failure.
step() {
    local log=$1
    shift
    if ! nice -n 10 "$@" >>"$work/$log" 2>&1; then
        grep -E -m 20 'FAILED|error|Error' "$work/$log" >&2 || tail -n 40 "$work/$log" >&2
        echo "Fehlgeschlagen: $*; das Protokoll liegt in $work/$log" >&2
        trap - EXIT
        exit 1
    fi
}

cd "$work"
# apt's download user needs to read here.
chmod 755 "$work"
step sources.log apt-get source -qq "qt6-base=$qt" "ffmpeg=$ffmpeg" "libxlsxwriter=$xlsx"

# FFmpeg: only what the clips need, uncompressed bitmaps in AVI files, and scaling.
cd "$work"/ffmpeg-*/
step ffmpeg.log ./configure --prefix="$prefix" --target-os=mingw32 --arch=x86_64 \
    --enable-cross-compile --cross-prefix=x86_64-w64-mingw32- --cc=x86_64-w64-mingw32-gcc-posix \
    --enable-shared --disable-static --disable-programs --disable-doc --disable-debug \
    --disable-autodetect --disable-network --disable-everything --disable-x86asm \
    --disable-avdevice --disable-avfilter --disable-swresample --disable-postproc \
    --enable-demuxer=avi --enable-decoder=rawvideo --enable-protocol=file
step ffmpeg.log make -j"$jobs"
step ffmpeg.log make install
cd "$work"

# libxlsxwriter with MinGW's zlib (Debian's libz-mingw-w64-dev).
toolchain=$root/cmake/mingw-w64-x86_64.cmake
step xlsx.log cmake -S libxlsxwriter-*/ -B xlsx -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_LIBDIR=lib
step xlsx.log cmake --build xlsx
step xlsx.log cmake --install xlsx

# Qt: Core, Gui, Widgets and PrintSupport with the Windows platform and style plugins, using
# the host tools (moc, rcc, uic) of the installed Qt of the same version.
qtsrc=$(echo qt6-base-*/)
# replace_start FILE OLD NEW: a fix to Qt's source on every line that starts with OLD; stops
# the build when there is none.
replace_start() {
    OLD=$2 NEW=$3 perl -i -pe '$n += s/^\Q$ENV{OLD}\E(?=\s|$)/$ENV{NEW}/; END { exit !$n }' "$1" ||
        { echo "Nicht in $1: $2" >&2 && exit 1; }
}
# With OpenGL off, the window's software-OpenGL checks have nothing to ask.
replace_start "$qtsrc/src/plugins/platforms/windows/qwindowswindow.cpp" \
    '#if QT_CONFIG(dynamicgl)' '#if QT_CONFIG(dynamicgl) && QT_CONFIG(opengl)'
# Printing and the platform plugin use the DirectWrite font engine and font database whenever
# DirectWrite is on, but Gui builds them only with Direct2D too, whose extra platform plugin
# nobody here needs.
replace_start "$qtsrc/src/gui/CMakeLists.txt" \
    'qt_internal_extend_target(Gui CONDITION QT_FEATURE_direct2d AND QT_FEATURE_directwrite' \
    'qt_internal_extend_target(Gui CONDITION QT_FEATURE_directwrite'
for file in qwindowsfontdatabase.cpp qwindowsfontdatabasebase.cpp; do
    replace_start "$qtsrc/src/gui/text/windows/$file" \
        '#if QT_CONFIG(directwrite) && QT_CONFIG(direct2d)' '#if QT_CONFIG(directwrite)'
done
qt_features=(
    network sql dbus opengl vulkan testlib concurrent xml tabletevent direct2d
    freetype fontconfig jpeg gif ico
    system_zlib system_png system_pcre2 system_harfbuzz system_doubleconversion
)
qt_options=()
for feature in "${qt_features[@]}"; do
    qt_options+=("-DFEATURE_$feature=OFF")
done
step qt.log cmake -S "$qtsrc" -B qt -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix/qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DINPUT_opengl=no "${qt_options[@]}"
# -k 0: on a failure, still build what does not depend on it, to show every failure at once.
step qt.log cmake --build qt --parallel "$jobs" -- -k 0
step qt.log cmake --install qt

# Unstripped the libraries weigh about four times as much.
find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
# Package descriptions and Qt's build records name the folder they were installed to.
grep -rlIF "$prefix" "$prefix" | xargs -r sed -i "s|$prefix|$deps|g"
mv "$prefix" "$deps"
echo "$deps"
