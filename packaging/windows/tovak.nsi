; Installer of the Windows program for the current user only: no administrator rights, the
; program under %LOCALAPPDATA%\Programs\TOVAK, a Start-menu entry, .CPU files opening in
; TOVAK and an uninstaller, all registered under HKEY_CURRENT_USER.
;   makensis -DVERSION=<version> -DSOURCE=<program folder> -DICON=<tovak.ico> \
;            -DFILE_LIST=<uninstall lines> -DOUTFILE=<setup.exe> tovak.nsi
; A 64-bit installer for a 64-bit program (and Wine without its 32-bit part runs it).
Target amd64-unicode
!include "MUI2.nsh"

!define NAME "TOVAK Rechner-Simulation"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TOVAK"
!define FILE_TYPE "TOVAK.Programm"

Name "${NAME}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\TOVAK"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "TOVAK ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tovak.exe"
!define MUI_FINISHPAGE_RUN_TEXT "TOVAK jetzt starten"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "${NAME}"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "KORVALD"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "Installation von ${NAME}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "KORVALD"

; Tells Explorer that file types changed, so .CPU files show the new icon at once.
!macro NotifyShell
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Section "TOVAK"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\Deinstallieren.exe"

    CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\tovak.exe" "" "$INSTDIR\tovak.exe" 0

    WriteRegStr HKCU "Software\Classes\.CPU" "" "${FILE_TYPE}"
    WriteRegStr HKCU "Software\Classes\${FILE_TYPE}" "" "TOVAK-Programm"
    WriteRegStr HKCU "Software\Classes\${FILE_TYPE}\DefaultIcon" "" "$INSTDIR\tovak.exe,0"
    WriteRegStr HKCU "Software\Classes\${FILE_TYPE}\shell\open\command" "" \
        '"$INSTDIR\tovak.exe" "%1"'

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "KORVALD"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tovak.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    !insertmacro NotifyShell
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\${NAME}.lnk"
    ; Only the files this installer put there (and the backup copies); programs the user
    ; saved in the folder stay.
    !include "${FILE_LIST}"
    RMDir /r "$INSTDIR\Temp"
    ; This runs from a copy of the uninstaller, started by the original just before that one
    ; ends: give the original a few seconds to let go of its file.
    StrCpy $1 0
    retry:
        ClearErrors
        Delete "$INSTDIR\Deinstallieren.exe"
        IfErrors 0 deleted
        IntOp $1 $1 + 1
        Sleep 250
        IntCmp $1 20 deleted retry deleted
    deleted:
    RMDir "$INSTDIR"

    ; The file type only while it still points to this program.
    ReadRegStr $0 HKCU "Software\Classes\.CPU" ""
    StrCmp $0 "${FILE_TYPE}" 0 +2
    DeleteRegKey HKCU "Software\Classes\.CPU"
    DeleteRegKey HKCU "Software\Classes\${FILE_TYPE}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; The settings (Software\KORVALD\TOVAK) stay for a later installation.
    !insertmacro NotifyShell
SectionEnd
