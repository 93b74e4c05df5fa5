# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows installer: kanjiaid for the student alone, without
# administrator rights, under the user's own programs folder, with a
# Start-menu shortcut and an uninstaller that Windows' "Installed apps"
# lists. Its texts follow Windows' display language (English or
# Indonesian); /S installs silently. Installing over an earlier install
# replaces it in place. While the installed program runs, neither the
# installer nor the uninstaller touches it: each asks the student to close
# it, and stops (exit status 2) when it stays open or when silent.
# The same commit makes the same installer: no file date is kept in it.
# Made by the build's installer target, which gives it project()'s version:
#   makensis -DVERSION=X.Y.Z -DPROGRAM=kanjiaid.exe -DICON=kanjiaid.ico
#            -DOUTFILE=kanjiaid-X.Y.Z-setup.exe installer.nsi
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
SetDateSave off

!define NAME "Kanji Learning Program"
!define PUBLISHER "The kanjiaid developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\kanjiaid"
!define SHORTCUT "$SMPROGRAMS\${NAME}.lnk"

Name "${NAME}"
# The line above the buttons names the program, not the tool that made it.
BrandingText "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\kanjiaid"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
Icon "${ICON}"
UninstallIcon "${ICON}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${NAME}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${NAME} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "2026 ${PUBLISHER}; GPL-3.0-or-later"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kanjiaid.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
# The first language is the one for every display language but these.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Indonesian"

LangString RUNNING ${LANG_ENGLISH} "${NAME} is running. Close it, then choose Retry; Cancel stops without changing anything."
LangString RUNNING ${LANG_INDONESIAN} "${NAME} sedang berjalan. Tutup program itu, lalu pilih Coba lagi; Batal berhenti tanpa mengubah apa pun."

# Windows lets nobody write to a program while it runs: while the installed
# kanjiaid.exe cannot be opened for writing, it is running.
!macro WAIT_UNTIL_CLOSED prefix
Function ${prefix}WaitUntilClosed
    retry:
    IfFileExists "$INSTDIR\kanjiaid.exe" 0 closed
    ClearErrors
    FileOpen $0 "$INSTDIR\kanjiaid.exe" a
    IfErrors running
    FileClose $0
    Goto closed
    running:
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RUNNING)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
    closed:
FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_CLOSED ""
!insertmacro WAIT_UNTIL_CLOSED "un."

Section
    SetShellVarContext current
    Call WaitUntilClosed
    SetOutPath "$INSTDIR"
    File "/oname=kanjiaid.exe" "${PROGRAM}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    # The shortcut starts the program in its own folder.
    CreateShortcut "${SHORTCUT}" "$INSTDIR\kanjiaid.exe" "" "$INSTDIR\kanjiaid.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kanjiaid.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    # In KiB, as "Installed apps" reads it.
    SectionGetSize 0 $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Call un.WaitUntilClosed
    Delete "${SHORTCUT}"
    Delete "$INSTDIR\kanjiaid.exe"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
