; SPDX-License-Identifier: MIT
; Tinvue's installer: for the current user alone, so it needs no administrator.
; It puts tinvue.exe under the user's programs folder, an entry in the Start
; menu and one in the system's list of installed programs, with an uninstaller
; that leaves the user's stock in the registry. /S installs or uninstalls silently.
;   makensis -DVERSION=V -DSOURCE=FOLDER -DOUTFILE=SETUP.exe tinvue.nsi
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tinvue"

Name "Tinvue"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tinvue"
LoadLanguageFile "${NSISDIR}\Contrib\Language files\Japanese.nlf"
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductName" "Tinvue"
VIAddVersionKey /LANG=1041 "FileDescription" "Tinvue のインストーラー"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "(C) 2000-2026 Tinvue Project"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetOutPath "$INSTDIR"
  File "${SOURCE}\tinvue.exe"
  File "${SOURCE}\LICENSE.txt"
  File "${SOURCE}\README.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Tinvue.lnk" "$INSTDIR\tinvue.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tinvue"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tinvue Project"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tinvue.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\tinvue.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Tinvue.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
