; Installs Korvana for every user of the machine: the program's folder in Program
; Files, a Start-menu entry and an entry in "Apps & features"; its uninstaller
; removes exactly those. Made by scripts/windows:
;   makensis -DFACTS=<installer-facts.nsh> -DSOURCE=<folder> -DFILES=<list>
;            -DICON=<korvana.ico> -DOUTFILE=<setup.exe> korvana.nsi
; where FACTS is the version and publisher that the Windows build's CMake wrote, and
; FILES names the uninstaller's Delete and RMDir lines for that folder.

; A 64-bit installer for a 64-bit program: Program Files and the registry are then
; the 64-bit ones without redirection, and no 32-bit Windows is left to install on.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvana"
!include "${FACTS}"

Name "Korvana ${SHOWN_VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Korvana"
Icon "${ICON}"
UninstallIcon "${ICON}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1026 "ProductName" "Korvana"
VIAddVersionKey /LANG=1026 "FileDescription" "Korvana ${SHOWN_VERSION}"
VIAddVersionKey /LANG=1026 "FileVersion" "${SHOWN_VERSION}"
VIAddVersionKey /LANG=1026 "ProductVersion" "${SHOWN_VERSION}"
VIAddVersionKey /LANG=1026 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1026 "LegalCopyright" "${PUBLISHER}"

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Bulgarian.nlf"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The Start menu of all users, as the program goes to all of them.
Function .onInit
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetShellVarContext all
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Korvana.lnk" "$INSTDIR\korvana.exe" "" "$INSTDIR\korvana.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Korvana"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${SHOWN_VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\korvana.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; File by file rather than the whole folder, so that nothing else a user put in
; the chosen folder goes with it.
Section "Uninstall"
    Delete "$SMPROGRAMS\Korvana.lnk"
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
