#!/usr/bin/env bash
# Builds the Windows program, its ZIP and installer (scripts/build-windows.sh) and checks them
# in Wine: the ZIP unpacked into an empty folder, tovak.exe --run and tovak-run.exe --run give
# the output of the golden cases (tests/files/CMakeLists.txt); the installer installs for this
# user only (folder, Start menu, .CPU file type) and its uninstaller removes all that again.
#   scripts/check-windows.sh [--window]
# --window also starts the window with Summe.CPU on a virtual display, waits (60 s at most)
# for its title "Rechner-Simulation für Windows: " and the file's path, saves a screenshot to
# docs/windows.png, changes a setting through the settings dialog and checks that the six
# settings are in Wine's registry under Software\KORVALD\TOVAK as numbers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
window=false
[[ ${1:-} == --window ]] && window=true

"$root/scripts/install-deps.sh" "$($window && echo wine-window || echo wine)"
built=$("$root/scripts/build-windows.sh" | tail -n 1)
zip=$(awk '{print $2}' <<<"$built")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work/unpacked"
program=$(echo "$work"/unpacked/TOVAK-*)

# Debian's wine64 keeps its command in Wine's library folder.
wine=/usr/lib/wine/wine64
[[ -x $wine ]] || wine=$(command -v wine64 || command -v wine)
wineserver=/usr/lib/wine/wineserver64
[[ -x $wineserver ]] || wineserver=$(command -v wineserver)
# A prefix of its own, without the offers to install Mono and Gecko.
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
mkdir -p "$HOME"
"$wine" wineboot --init >/dev/null 2>&1
# Wine's server keeps writing to the prefix for a while after the last program: end it first.
trap '"$wineserver" -k 2>/dev/null; "$wineserver" -w 2>/dev/null; rm -rf "$work"' EXIT

failed=0
passed=0
# tovak_golden(NAME PROGRAM STATUS ARGUMENTS...); each lesson runs as file and as text, with
# both programs.
while read -r name file status args; do
    golden=$root/tests/files/golden/$name
    for run in {tovak,tovak-run}.exe\ {"$file","${file%.CPU}.txt"}; do
        exe=${run%% *}
        form=${run#* }
        set +e
        # shellcheck disable=SC2086 # the arguments are separate words
        "$wine" "$program/$exe" --run "$program/$form" $args >"$work/out" 2>"$work/err"
        actual=$?
        set -e
        # Windows ends the lines with CR LF.
        tr -d '\r' <"$work/out" >"$work/out.lf"
        tr -d '\r' <"$work/err" >"$work/err.lf"
        # The messages name the program as it was called.
        [[ -f $golden.err ]] && sed "s/tovak --help/${exe%.exe} --help/" "$golden.err" >"$work/err.golden"
        if [[ $actual != "$status" ]] || ! cmp -s "$work/out.lf" "$golden.out" ||
            { [[ -f $golden.err ]] && ! cmp -s "$work/err.lf" "$work/err.golden"; }; then
            echo "FEHLER: $exe $name mit $form (Status $actual, erwartet $status)" >&2
            diff "$golden.out" "$work/out.lf" | head -n 20 >&2 || true
            failed=$((failed + 1))
        else
            passed=$((passed + 1))
        fi
    done
done < <(sed -n 's/^tovak_golden(\(.*\))$/\1/p' "$root/tests/files/CMakeLists.txt")
echo "Wine --run: $passed passed, $failed failed"
((failed == 0))

# The exercises from the ZIP, each checked against its model solution.
for aufgabe in "$program"/aufgaben/*.aufgabe; do
    if ! "$wine" "$program/tovak-run.exe" --pruefen "$aufgabe" "${aufgabe%.aufgabe}.txt" >"$work/out" 2>&1; then
        echo "FEHLER: --pruefen $(basename "$aufgabe")" >&2
        cat "$work/out" >&2
        exit 1
    fi
done
echo "Wine --pruefen: the exercises pass with their model solutions"

# The installer, silently: everything for this user only, and the uninstaller takes it back.
# wineserver -w waits for the programs, which NSIS starts from copies of their own.
setup=$(awk '{print $3}' <<<"$built")
windows_path() { "$wine" cmd /c echo "$1" 2>/dev/null | tr -d '\r'; }
unix_path() { "$wine" winepath -u "$1" 2>/dev/null; }
installed=$(unix_path "$(windows_path '%LOCALAPPDATA%')\Programs\TOVAK")
shortcut=$(unix_path "$(windows_path '%APPDATA%')\Microsoft\Windows\Start Menu\Programs\TOVAK Rechner-Simulation.lnk")
registered() { "$wine" reg query "$1" /ve 2>/dev/null | tr -d '\r' | grep -q "REG_SZ.*$2"; }
"$wine" "$setup" /S
"$wineserver" -w
problems=()
[[ -f $installed/tovak.exe && -f $installed/Qt6Widgets.dll && -f $installed/Summe.CPU ]] ||
    problems+=("Programm fehlt in $installed")
[[ -f $shortcut ]] || problems+=("Startmenü-Eintrag fehlt")
registered 'HKCU\Software\Classes\.CPU' TOVAK.Programm || problems+=(".CPU nicht verknüpft")
registered 'HKCU\Software\Classes\TOVAK.Programm\shell\open\command' 'tovak.exe" "%1"' ||
    problems+=("Öffnen-Befehl fehlt")
"$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\TOVAK' >/dev/null 2>&1 &&
    problems+=("Eintrag für alle Benutzer")
"$wine" "$installed/tovak.exe" --run "$installed/Summe.CPU" --dump 2>/dev/null | tr -d '\r' |
    cmp -s - "$root/tests/files/golden/Summe.out" || problems+=("installiertes tovak.exe --run")
"$wine" "$installed/Deinstallieren.exe" /S
"$wineserver" -w
[[ ! -e $installed && ! -e $shortcut ]] || problems+=("Deinstallation ließ Dateien zurück")
registered 'HKCU\Software\Classes\.CPU' TOVAK.Programm && problems+=(".CPU noch verknüpft")
"$wine" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\TOVAK' >/dev/null 2>&1 &&
    problems+=("Deinstallationseintrag blieb")
if ((${#problems[@]} > 0)); then
    printf 'FEHLER Installation: %s\n' "${problems[@]}" >&2
    exit 1
fi
echo "Wine: Installation und Deinstallation für diesen Benutzer in Ordnung"
$window || exit 0

# The window on a virtual display of its own. Wine's server and desktop, started above
# without a display, would keep the window off it: end them first.
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w 2>/dev/null || true
Xvfb -displayfd 3 -screen 0 1600x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; "$wineserver" -k 2>/dev/null; "$wineserver" -w 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
DISPLAY=:$(cat "$work/display")
export DISPLAY

file=$("$wine" winepath -w "$program/Summe.CPU" 2>/dev/null | tr -d '\r')
title="Rechner-Simulation für Windows: $file"
"$wine" "$program/tovak.exe" "$file" >/dev/null 2>&1 &
shown=""
for _ in $(seq 120); do
    shown=$(xdotool search --name '^Rechner-Simulation für Windows: ' getwindowname 2>/dev/null |
        head -n 1) || true
    [[ -n $shown ]] && break
    sleep 0.5
done
if [[ $shown != "$title" ]]; then
    echo "FEHLER: Fenster nach 60 s: '${shown:-keines}', erwartet '$title'" >&2
    exit 1
fi
echo "Fenster: $shown"
main=$(xdotool search --name '^Rechner-Simulation für Windows: ' | head -n 1)
# Let the clips and grids draw before the picture.
sleep 3
# The screen is black around the window and its tool windows.
import -window root -trim +repage "$root/docs/windows.png"
echo "Bild: docs/windows.png"

# Optionen › Einstellungen, a new animation time, Ok.
xdotool windowfocus --sync "$main" key alt+o sleep 1 key e
for _ in $(seq 40); do
    dialog=$(xdotool search --name '^Einstellungen$' | head -n 1) || true
    [[ -n $dialog ]] && break
    sleep 0.5
done
[[ -n $dialog ]] || { echo "FEHLER: kein Dialog Einstellungen" >&2 && exit 1; }
xdotool windowfocus --sync "$dialog" key Tab ctrl+a type 250
xdotool key Return
# The settings are written as the dialog closes; the program ends with the virtual display.
sleep 2

settings=$("$wine" reg query 'HKCU\Software\KORVALD\TOVAK' 2>/dev/null | tr -d '\r')
echo "$settings"
missing=0
for value in Main_Dauer BackupTime SpeicherMaximal LiesZahlInRegister ColorMovRegAkku ColorMovAkkuReg; do
    grep -Eq "^\s+$value\s+REG_DWORD\s" <<<"$settings" || { echo "FEHLER: $value fehlt" >&2; missing=1; }
done
grep -Eq '^\s+Main_Dauer\s+REG_DWORD\s+0xfa$' <<<"$settings" ||
    { echo "FEHLER: Main_Dauer ist nicht 250" >&2; missing=1; }
((missing == 0))
echo "Wine-Fenster und Registrierung: in Ordnung"
