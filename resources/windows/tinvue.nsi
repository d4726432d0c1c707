; SPDX-License-Identifier: MIT
; Tinvue's installer: for the current user alone, so it needs no administrator.
; It puts tinvue.exe under the user's programs folder, an entry in the Start
; menu and one in the system's list of installed programs, with an uninstaller
; that leaves the user's stock in the registry. /S installs or uninstalls silently.
; Neither touches a file while Tinvue runs: they ask the user to end it, and
; silently they end with exit code 2, having changed nothing.
;   makensis -DVERSION=V -DSOURCE=FOLDER -DOUTFILE=SETUP.exe tinvue.nsi
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tinvue"
; What a running tinvue.exe holds for the user's session (app/instancemutex_windows.cpp).
!define RUNNING_MUTEX "Local\io.github.tinvue.Tinvue"
; The maker's web page, as the About window shows it.
!define ABOUT_URL "https://tinvue.example.org/"

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

; A file that cannot be written stops the installation, silent or not, rather
; than being skipped with the old one left in its place.
AllowSkipFiles off

; Returns once Tinvue has ended. While it runs, a message asks the user to end
; it, with Retry and Cancel; Cancel, or /S, ends the run here with exit code 2.
; Tinvue runs while its mutex is held, or, for a Tinvue too old to hold one,
; while its program file cannot be opened for writing.
!macro WAIT_FOR_TINVUE un
Function ${un}WaitForTinvue
  retry:
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    StrCmp $0 0 no_mutex
    System::Call 'kernel32::CloseHandle(p r0)'
    Goto running
  no_mutex:
    IfFileExists "$INSTDIR\tinvue.exe" 0 ended
    ClearErrors
    FileOpen $0 "$INSTDIR\tinvue.exe" a
    IfErrors running
    FileClose $0
    Goto ended
  running:
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Tinvue が起動しています。$\r$\n$\r$\nTinvue を終了してから［再試行］を押してください。［キャンセル］を押すと、何も変えずに終わります。" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
  ended:
FunctionEnd
!macroend
!insertmacro WAIT_FOR_TINVUE ""
!insertmacro WAIT_FOR_TINVUE "un."

; Asked before the first page, and again before the first file: Tinvue may
; have been started in between.
Function .onInit
  Call WaitForTinvue
FunctionEnd

Function un.onInit
  Call un.WaitForTinvue
FunctionEnd

Section
  Call WaitForTinvue
  SetOutPath "$INSTDIR"
  ; The program first: while it cannot be replaced, nothing else changes.
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
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${ABOUT_URL}"
  ; The list of installed programs shows this size, in KiB.
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Call un.WaitForTinvue
  ; The program first: while it stays, so does everything else, its entry in
  ; the list of installed programs included.
  Delete "$INSTDIR\tinvue.exe"
  IfFileExists "$INSTDIR\tinvue.exe" 0 removed
    MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\tinvue.exe を削除できないため、何も変えずに終わります。" /SD IDOK
    SetErrorLevel 2
    Quit
  removed:
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Tinvue.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
