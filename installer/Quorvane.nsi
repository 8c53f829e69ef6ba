; installer/Quorvane.nsi: Setup.exe for Quorvane 1.5 (built by build.sh).
;
; Installs Quorvane.exe with its help pages (in "help" beside it, where it
; looks for them) for the machine, into the 64-bit Program Files, where only
; administrators can write: Programs and Features runs Uninstall.exe
; elevated, and every user runs Quorvane.exe. Registers it under App Paths
; and puts a "Quorvane" shortcut in the Start Menu's Programs for every user.
; Silent with /S; /D=folder picks the installation folder. An installation
; elsewhere (an older default was C:\Quorvane) loses its program files to
; the new one; what else is in that folder, such as program groups older
; toolbars show, stays.
;
; Nothing per user is written here: Setup runs elevated, and the
; HKEY_CURRENT_USER it sees may be an administrator's. Each user's bar makes
; its own settings key ("First Time" = 1) at its first start, and its program
; groups in that user's application data.
;
; Starting the bar at sign-in is a choice on the components page, on by
; default, for every user (the machine's Run key). Silent installs take it
; as /STARTATSIGNIN=0 (off) or /STARTATSIGNIN=1 (on); without the switch they
; start the bar at sign-in, as an install where the user just clicks through
; does. A reinstall that turns it off removes it.
;
; A running bar holds Quorvane.exe: Setup and the uninstaller ask it to exit
; ("Quorvane.exe /exit", which ends it after a few seconds when it does not
; go), and Setup starts it again afterwards. A program that still cannot be
; replaced or removed fails the run (exit code 2), silent or not.
;
; The uninstaller removes the files, the program groups (in the old place
; and the user's), the shortcut, the registrations, the start at sign-in and
; the settings key of the account it runs as.

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
!define NOT_REPLACED "Quorvane is running and could not be closed. Close it, then run Setup again."
!define NOT_REMOVED "Quorvane is running and could not be closed. Close it, then uninstall again."

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quorvane"
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

; The folders of the program groups the first start makes.
!macro RemoveGroups parent
  RMDir /r "${parent}\Multimedia"
  RMDir /r "${parent}\Utilities"
  RMDir /r "${parent}\System Tools"
  RMDir /r "${parent}\Internet Tools"
!macroend

; What "Quorvane.exe /exit" answered: 0 when no bar ran.
Var barRan

Section "Quorvane"
  SectionIn RO
  SetRegView 64
  ; The new program asks the bars to go: an installed older one may not know
  ; how.
  StrCpy $barRan 0
  InitPluginsDir
  SetOutPath "$PLUGINSDIR"
  File "/oname=Quorvane.exe" "${QV_EXE}"
  ClearErrors
  ExecWait '"$PLUGINSDIR\Quorvane.exe" /exit' $barRan
  IfErrors 0 +2
    StrCpy $barRan 0

  ; The program of an installation elsewhere.
  ReadRegStr $0 HKLM "${APP_PATHS_KEY}" "Path"
  ${If} $0 != ""
  ${AndIf} $0 != $INSTDIR
  ${AndIf} ${FileExists} "$0\Uninstall.exe"
  ${AndIf} ${FileExists} "$0\Quorvane.exe"
    Delete "$0\Quorvane.exe"
    Delete "$0\Uninstall.exe"
    RMDir /r "$0\help"
    RMDir "$0"
  ${EndIf}

  SetOutPath "$INSTDIR"
  ; Never report success over the old program: it may still run.
  Delete "$INSTDIR\Quorvane.exe"
  ClearErrors
  ${If} ${FileExists} "$INSTDIR\Quorvane.exe"
    SetErrors
  ${Else}
    File "/oname=Quorvane.exe" "${QV_EXE}"
  ${EndIf}
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONSTOP "${NOT_REPLACED}" /SD IDOK
    SetErrorLevel 2
    Abort "${NOT_REPLACED}"
  ${EndIf}
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

  ; The next section writes it again when the choice is on. Earlier
  ; versions wrote it for the installing account only.
  DeleteRegValue HKLM "${RUN_KEY}" "Quorvane"
  DeleteRegValue HKCU "${RUN_KEY}" "Quorvane"
SectionEnd

Section "Start Quorvane when I sign in" SecStartAtSignIn
  SetRegView 64
  WriteRegStr HKLM "${RUN_KEY}" "Quorvane" '"$INSTDIR\Quorvane.exe"'
SectionEnd

; A bar that ran before comes back, as the desktop's user rather than as
; this elevated Setup.
Section "-Start again"
  ${If} $barRan != 0
    Exec '"$INSTDIR\Quorvane.exe" /start'
  ${EndIf}
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
  ExecWait '"$INSTDIR\Quorvane.exe" /exit'
  ; Entries without the program would be harmless; a program without its
  ; entries could never be uninstalled.
  Delete "$INSTDIR\Quorvane.exe"
  ${If} ${FileExists} "$INSTDIR\Quorvane.exe"
    MessageBox MB_OK|MB_ICONSTOP "${NOT_REMOVED}" /SD IDOK
    SetErrorLevel 2
    Abort "${NOT_REMOVED}"
  ${EndIf}
  Delete "$INSTDIR\Uninstall.exe"
  RMDir /r "$INSTDIR\help"
  ; The program groups earlier versions made here.
  !insertmacro RemoveGroups "$INSTDIR"
  ; Whatever else someone put in the folder stays, and so does the folder.
  RMDir "$INSTDIR"

  SetShellVarContext current
  !insertmacro RemoveGroups "$APPDATA\Quorvane"
  RMDir "$APPDATA\Quorvane"

  SetShellVarContext all
  Delete "${SHORTCUT}"
  DeleteRegValue HKLM "${RUN_KEY}" "Quorvane"
  DeleteRegValue HKCU "${RUN_KEY}" "Quorvane"

  DeleteRegKey HKLM "${APP_PATHS_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Veltmark"
SectionEnd
