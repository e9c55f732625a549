; Per-user installer for Ventrolex: no administrator rights, a Start-menu
; shortcut with the program's icon, and an uninstaller that removes every file,
; the shortcut and its own registry entry.
; makensis -DVERSION=1.00 -DSTAGE=<folder with the program> -DOUTFILE=<setup.exe> ventrolex.nsi

Target amd64-unicode ; a 64-bit installer for a 64-bit program
!include "MUI2.nsh"

Name "Ventrolex ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Ventrolex"
InstallDirRegKey HKCU "Software\Ventrolex" "InstallDir"
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ventrolex"
!define MUI_ICON "${STAGE}\..\ventrolex.ico"
!define MUI_UNICON "${STAGE}\..\ventrolex.ico"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "1.0.0.0"
VIAddVersionKey "ProductName" "Ventrolex"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Ventrolex installer"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 The Ventrolex developers"

Section "Ventrolex"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Ventrolex.lnk" "$INSTDIR\ventrolex.exe" "" "$INSTDIR\ventrolex.exe" 0
  WriteRegStr HKCU "Software\Ventrolex" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Ventrolex ${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Ventrolex developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ventrolex.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Ventrolex.lnk"
  ; The files the installer put there, one by one, then their folders: a
  ; folder the user chose keeps anything else it held.
  !include "${STAGE}\..\uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "Software\Ventrolex"
SectionEnd
