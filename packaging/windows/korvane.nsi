; SPDX-License-Identifier: GPL-3.0-or-later
; Korvane's installer, for one player and without an administrator: the programs
; in %LOCALAPPDATA%\Programs\Korvane, the game in the Start menu with its icon,
; and an entry among the installed apps whose uninstaller removes all of it but
; the player's cash (%APPDATA%\Korvane is the game's, never the installer's).
; makensis is given STAGE (the folder to install), FILES (its files, one
; `File` line each, in files.nsh), OUTFILE, ICON and VERSION, and GAME where
; the stage holds the game itself.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvane"
!define UNINSTALLER "Uninstall Korvane.exe"

Name "Korvane"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Korvane"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Korvane"
VIAddVersionKey /LANG=1033 "CompanyName" "The Korvane developers"
VIAddVersionKey /LANG=1033 "FileDescription" "Korvane's installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "2026 The Korvane developers, GPL-3.0-or-later"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
!ifdef GAME
    CreateShortcut "$SMPROGRAMS\Korvane.lnk" "$INSTDIR\${GAME}" "" "$INSTDIR\${GAME}" 0
!endif
    WriteRegStr HKCU "${KEY}" "DisplayName" "Korvane"
    WriteRegStr HKCU "${KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${KEY}" "Publisher" "The Korvane developers"
    WriteRegStr HKCU "${KEY}" "DisplayIcon" "$INSTDIR\${UNINSTALLER},0"
    WriteRegStr HKCU "${KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes: a folder the player chose that holds
; more keeps the rest.
Section Uninstall
    !include "${UNFILES}"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Korvane.lnk"
    DeleteRegKey HKCU "${KEY}"
SectionEnd
