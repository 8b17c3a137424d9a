; Installer for the Windows package. Built by tools/windows/build-package.sh, which passes
; VERSION, ICON, STAGE (the folder of files to install), FILES (the generated lists of those files)
; and OUTFILE.
; A 64-bit installer for the 64-bit program: it runs on 64-bit Windows only, as the program does.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Tessarund"
!define PUBLISHER "Tessarund developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "Software\${PRODUCT}" "InstallDir"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"

; The program is installed for all users of the computer.
Function .onInit
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetShellVarContext all
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    !include "${FILES}/install.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The shortcut starts the editor in its own folder, where its translations lie.
    SetOutPath "$INSTDIR"
    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\${PRODUCT}.lnk" "$INSTDIR\vexalo.exe"
    ; Each language named in itself, as a user looking for it would read it.
    CreateShortcut "${MENU_FOLDER}\${PRODUCT} auf Deutsch.lnk" "$INSTDIR\vexalo.exe" "-l de"
    CreateShortcut "${MENU_FOLDER}\${PRODUCT} in English.lnk" "$INSTDIR\vexalo.exe" "-l en"
    CreateShortcut "${MENU_FOLDER}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"

    WriteRegStr HKLM "Software\${PRODUCT}" "InstallDir" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    ; "Apps & features" shows this size (in KiB) instead of guessing one.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vexalo.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only the files this installer put there are removed, so a folder the user chose that holds
; other files keeps them. The network configuration in the user's data folder stays.
Section "Uninstall"
    !include "${FILES}/uninstall.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    Delete "${MENU_FOLDER}\${PRODUCT}.lnk"
    Delete "${MENU_FOLDER}\${PRODUCT} auf Deutsch.lnk"
    Delete "${MENU_FOLDER}\${PRODUCT} in English.lnk"
    Delete "${MENU_FOLDER}\Uninstall ${PRODUCT}.lnk"
    RMDir "${MENU_FOLDER}"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "Software\${PRODUCT}"
SectionEnd
