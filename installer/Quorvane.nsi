; installer/Quorvane.nsi: Setup.exe for Quorvane 1.5 (built by build.sh).
;
; Installs Quorvane.exe with its help pages (in "help" beside it, where it
; looks for them), registers it under App Paths, whose "Path" tells the first
; start where to make its program groups, and puts a "Quorvane" shortcut in
; the Start Menu's Programs for every user (the program is installed for
; the machine). Silent with /S; /D=folder picks the installation folder.
; The uninstaller removes the files, the program groups, the shortcut, the
; registrations, the start at sign-in and the settings key.
;
; Starting the bar at sign-in is a choice on the components page, on by
; default. Silent installs take it as /STARTATSIGNIN=0 (off) or
; /STARTATSIGNIN=1 (on); without the switch they start the bar at sign-in,
; as an install where the user just clicks through does. It is the Run value
; of the installing account, as the settings key below is; a reinstall that
; turns it off removes it.
;
; Who gets the settings key: Setup runs elevated, so the HKEY_CURRENT_USER
; it sees is the elevating account's. It creates the key there ("First
; Time" = 1) only when that account has none, exactly as the bar does at
; start-up for every account that has none; so whichever comes first, each
; user gets the default toolbars once, and a reinstall never resets anyone's
; toolbars.
;
; The default folder is C:\Quorvane rather than Program Files: every user's
; first start makes its program groups inside the installation folder, and
; a folder at the root of the system drive lets standard users add folders.

Unicode true
Target amd64-unicode
; "Setup.exe" is the name users look for; the shims warning is about it.
!pragma warning disable 9000

!ifndef QV_EXE
  !error "pass -DQV_EXE=path\to\Quorvane.exe"
!endif
!ifndef QV_HELP
  !error "pass -DQV_HELP=path\to\help (the folder of help pages)"
!endif
!ifndef QV_VERSION
  !error "pass -DQV_VERSION=major.minor.patch.build (the program's version)"
!endif
!ifndef OUTFILE
  !define OUTFILE "Setup.exe"
!endif

!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!define PRODUCT "Quorvane 1.5"
!define SETTINGS_KEY "Software\Veltmark\Quorvane 1.5"
!define APP_PATHS_KEY "Software\Microsoft\Windows\CurrentVersion\App Paths\Quorvane.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SHORTCUT "$SMPROGRAMS\Quorvane.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "C:\Quorvane"
InstallDirRegKey HKLM "${APP_PATHS_KEY}" "Path"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails nevershow
ShowUninstDetails nevershow

; Setup.exe's own version resource, for its Properties and for whoever
; checks what they are about to run.
VIProductVersion "${QV_VERSION}"
VIFileVersion "${QV_VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "Quorvane"
VIAddVersionKey /LANG=0 "CompanyName" "Veltmark"
VIAddVersionKey /LANG=0 "FileDescription" "Quorvane Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${QV_VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${QV_VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) Veltmark"
VIAddVersionKey /LANG=0 "OriginalFilename" "Setup.exe"

Page components
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Quorvane"
  SectionIn RO
  SetRegView 64
  SetOutPath "$INSTDIR"
  File "/oname=Quorvane.exe" "${QV_EXE}"
  SetOutPath "$INSTDIR\help"
  File "${QV_HELP}/*.*"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${APP_PATHS_KEY}" "" "$INSTDIR\Quorvane.exe"
  WriteRegStr HKLM "${APP_PATHS_KEY}" "Path" "$INSTDIR"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "1.5"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Veltmark"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorvane.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  SetShellVarContext all
  CreateShortcut "${SHORTCUT}" "$INSTDIR\Quorvane.exe"

  ; An existing key holds someone's toolbars: leave it as it is.
  ClearErrors
  EnumRegValue $0 HKCU "${SETTINGS_KEY}" 0
  IfErrors 0 +2
    WriteRegDWORD HKCU "${SETTINGS_KEY}" "First Time" 1

  ; The next section writes it again when the choice is on.
  DeleteRegValue HKCU "${RUN_KEY}" "Quorvane"
SectionEnd

Section "Start Quorvane when I sign in" SecStartAtSignIn
  WriteRegStr HKCU "${RUN_KEY}" "Quorvane" '"$INSTDIR\Quorvane.exe"'
SectionEnd

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/STARTATSIGNIN=" $1
  ${IfNot} ${Errors}
  ${AndIf} $1 == "0"
    !insertmacro UnselectSection ${SecStartAtSignIn}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  SetRegView 64
  Delete "$INSTDIR\Quorvane.exe"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir /r "$INSTDIR\help"
  ; The program groups the first start made here.
  RMDir /r "$INSTDIR\Multimedia"
  RMDir /r "$INSTDIR\Utilities"
  RMDir /r "$INSTDIR\System Tools"
  RMDir /r "$INSTDIR\Internet Tools"
  ; Whatever else someone put in the folder stays, and so does the folder.
  RMDir "$INSTDIR"

  SetShellVarContext all
  Delete "${SHORTCUT}"
  DeleteRegValue HKCU "${RUN_KEY}" "Quorvane"

  DeleteRegKey HKLM "${APP_PATHS_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Veltmark"
SectionEnd
