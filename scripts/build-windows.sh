#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64 and makes the portable ZIP and the per-user
# installer in build/windows/. The libraries come from scripts/windows-deps.sh (built once,
# then cached). The last line names both files.
#   scripts/build-windows.sh [--zip-only]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
installer=true
[[ ${1:-} == --zip-only ]] && installer=false

"$root/scripts/install-deps.sh" windows
deps=$("$root/scripts/windows-deps.sh" | tail -n 1)

# The clips are drawn by a generator that runs on this machine.
cmake -S "$root" -B "$build/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOVAK_GUI=OFF >/dev/null
cmake --build "$build/host" --target tovak_clips >/dev/null

# The "mingw" preset of CMakePresets.json, pointed at the libraries.
(cd "$root" && TOVAK_WINDOWS_DEPS=$deps cmake --preset mingw >/dev/null)
nice cmake --build "$build/program"
# The version the build wrote from project() (src/util/Version.h.in).
version=$(sed -n 's/.*kVersion\[\] = "\(.*\)";/\1/p' "$build/program/generated/util/Version.h")

# The program folder: the programs, every DLL they load, Qt's plugins and German texts, the
# fonts, clips and examples.
name=TOVAK-$version
dist=$build/$name
rm -rf "$dist"
mkdir -p "$dist/platforms" "$dist/styles" "$dist/translations" "$dist/fonts"
bin=$build/program/bin
cp "$bin/tovak.exe" "$bin/tovak-run.exe" "$dist/"
# The lessons, as programs and, where there is one, in their text form.
find "$root/examples" -maxdepth 1 -type f \( -name '*.CPU' -o -name '*.txt' \) -exec cp -t "$dist/" {} +
# The exercises with their model solutions, in the folder "Aufgabe öffnen..." starts in.
cp -r "$root/examples/aufgaben" "$dist/"
cp "$build/host/bin"/*.avi "$dist/"
cp "$deps/qt/plugins/platforms/qwindows.dll" "$dist/platforms/"
cp "$deps/qt/plugins/styles"/*.dll "$dist/styles/"
cp /usr/share/qt6/translations/qtbase_de.qm "$dist/translations/"
for font in DejaVuSans DejaVuSans-Bold DejaVuSansMono DejaVuSansMono-Bold DejaVuSerif DejaVuSerif-Bold; do
    cp "/usr/share/fonts/truetype/dejavu/$font.ttf" "$dist/fonts/"
done
cp /usr/share/doc/fonts-dejavu-core/copyright "$dist/fonts/LICENSE.txt"
cp "$root/packaging/windows/qt.conf" "$dist/"
cp "$root/README.md" "$dist/"
sed "s/@VERSION@/$version/" "$root/packaging/windows/LIESMICH.txt" | sed 's/$/\r/' >"$dist/LIESMICH.txt"
x86_64-w64-mingw32-strip "$dist"/*.exe

# Follows the imports of every program and plugin through the folders that hold DLLs; what
# none of them holds comes with Windows.
dll_folders=("$deps/qt/bin" "$deps/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix
    /usr/x86_64-w64-mingw32/lib)
pending=("$dist"/*.exe "$dist"/platforms/*.dll "$dist"/styles/*.dll)
while ((${#pending[@]} > 0)); do
    file=${pending[0]}
    pending=("${pending[@]:1}")
    while read -r dll; do
        [[ -e $dist/$dll ]] && continue
        for folder in "${dll_folders[@]}"; do
            if [[ -f $folder/$dll ]]; then
                cp "$folder/$dll" "$dist/"
                pending+=("$dist/$dll")
                break
            fi
        done
    done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done

# The MinGW runtime comes unstripped: libstdc++ alone would weigh 23 MB.
x86_64-w64-mingw32-strip --strip-unneeded "$dist"/*.dll

zip=$build/$name-windows.zip
rm -f "$zip"
(cd "$build" && zip -qr9X "$zip" "$name")

setup=$build/$name-windows-setup.exe
if $installer; then
    # The uninstaller removes exactly the files installed ($INSTDIR is the installer's).
    list=$build/uninstall-files.nsh
    # shellcheck disable=SC2016
    (cd "$dist" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|') >"$list"
    # shellcheck disable=SC2016
    (cd "$dist" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|') >>"$list"
    makensis -V2 -DVERSION="$version" -DSOURCE="$dist" -DOUTFILE="$setup" -DFILE_LIST="$list" \
        -DICON="$build/program/src/app/icon/tovak.ico" "$root/packaging/windows/tovak.nsi" >/dev/null
    echo "Windows: $zip $setup"
else
    echo "Windows: $zip"
fi
