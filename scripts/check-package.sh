#!/usr/bin/env bash
# Builds the Debian package and checks it: the files it holds, its desktop entry and file
# type, its dependencies, and that the program extracted from it runs an installed example
# and finds its clips and examples without opening a window (the data check of tovak-dev,
# built in the same folder and copied beside the extracted program for that).
#   scripts/check-package.sh [build-dir]     (default build/package)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/package}

deb=$("$root/scripts/package.sh" "$build" | tail -n 1)
echo "Paketprüfung: $deb"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FEHLER: $*" >&2
    failed=1
}

# The files: program, clips and examples, desktop entry, file type, icons.
dpkg-deb -c "$deb" | awk '{ print substr($6, 2) }' >"$work/contents"
expected=(/usr/bin/tovak /usr/bin/tovak-run /usr/share/applications/tovak.desktop
    /usr/share/mime/packages/tovak.xml /usr/share/icons/hicolor/scalable/apps/tovak.svg)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/tovak.png")
done
for file in "$build"/bin/*.avi "$root"/examples/*.CPU "$root"/examples/*.txt; do
    expected+=("/usr/share/tovak/$(basename "$file")")
done
for file in "$root"/examples/aufgaben/*; do
    expected+=("/usr/share/tovak/aufgaben/$(basename "$file")")
done
for file in "${expected[@]}"; do
    grep -qxF "$file" "$work/contents" || fail "$file fehlt im Paket"
done
# The developer build of the window stays out.
if grep -q tovak-dev "$work/contents"; then
    fail "tovak-dev gehört nicht ins Paket"
fi

# The package's dependencies were computed from the program's libraries.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libavcodec libc6; do
    [[ $depends == *"$library"* ]] || fail "Abhängigkeit $library fehlt: $depends"
done

dpkg -x "$deb" "$work/root"
usr=$work/root/usr
# Errors and warnings fail; hints (such as the two main categories, which are meant) do not.
if ! validation=$(desktop-file-validate "$usr/share/applications/tovak.desktop") ||
    grep -qE ': (error|warning): ' <<<"$validation"; then
    fail "Desktop-Datei ungültig: $validation"
fi
# The file type: .CPU files (in any case) are TOVAK programs.
mkdir -p "$work/mime/packages"
cp "$usr/share/mime/packages/tovak.xml" "$work/mime/packages/"
update-mime-database "$work/mime" 2>/dev/null || fail "Dateityp-Beschreibung ungültig"
grep -qx '50:application/x-tovak-program:\*\.cpu' "$work/mime/globs2" ||
    fail "Dateityp für *.CPU fehlt: $(cat "$work/mime/globs2")"

# The extracted program: its version, a run of an installed example, its data lookup.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_RUNTIME_DIR=$work/home
mkdir -p "$XDG_CONFIG_HOME"
chmod 700 "$HOME"
version=$("$usr/bin/tovak" --version)
[[ $version == "tovak $(dpkg-deb -f "$deb" Version | sed 's/-[^-]*$//') "* ]] ||
    fail "falsche Version: $version"
"$usr/bin/tovak" --run "$usr/share/tovak/Summe.CPU" --dump >"$work/summe.out" ||
    fail "tovak --run Summe.CPU endet mit $?"
cmp -s "$work/summe.out" "$root/tests/files/golden/Summe.out" ||
    fail "tovak --run Summe.CPU gibt nicht die erwartete Ausgabe"
# The runner on its own: the same output, and no Qt or FFmpeg library loaded.
"$usr/bin/tovak-run" --run "$usr/share/tovak/Summe.CPU" --dump >"$work/summe-run.out" ||
    fail "tovak-run --run Summe.CPU endet mit $?"
cmp -s "$work/summe-run.out" "$root/tests/files/golden/Summe.out" ||
    fail "tovak-run --run Summe.CPU gibt nicht die erwartete Ausgabe"
if ldd "$usr/bin/tovak-run" | grep -qE 'libQt|libav'; then
    fail "tovak-run lädt Qt oder FFmpeg: $(ldd "$usr/bin/tovak-run" | grep -E 'libQt|libav')"
fi
cmake --build "$build" --target tovak-dev >/dev/null
cp "$build/bin/tovak-dev" "$usr/bin/tovak-dev"
if "$usr/bin/tovak-dev" --check-data >"$work/check.out"; then
    grep -qxF "Datenordner: $usr/share/tovak" "$work/check.out" ||
        fail "Daten nicht in $usr/share/tovak gesucht: $(cat "$work/check.out")"
else
    fail "tovak-dev --check-data: $(cat "$work/check.out")"
fi

if ((failed)); then
    exit 1
fi
echo "Paket in Ordnung: ${#expected[@]} Dateien, $(sed -n 2p "$work/check.out")," \
    "$(sed -n 3p "$work/check.out" | cut -d: -f1-2)"
