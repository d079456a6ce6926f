; The Windows installer: Quorvex for the user who installs it, with no administrator's rights
; asked for. It goes where Windows keeps a user's own programs, gets a Start-menu shortcut,
; and is listed under Apps & Features with its uninstaller and the program's web pages. /S
; installs or uninstalls without a window. One install per user: installing again, into
; whatever folder, first takes the earlier install away with its own uninstaller. Nothing is
; installed or removed while Quorvex runs: the wizard asks the person to close it, and /S ends
; with status 3 having changed nothing. The uninstaller leaves the user's settings.
;
; makensis -DFILES=<install-files.nsh from stage.sh> -DICON=<quorvex.ico> -DOUTFILE=<setup.exe>
;          -DVERSION=<the program's version> -DMAIN_SITE=<host> -DPROGRAM_SITE=<host>
;          [-DSIGN=<command that signs the file it is given>] Quorvex.nsi

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; The files' own times are not kept, so that two builds of one commit give the same bytes.
SetDateSave off
; Sharp at 125 % and 150 %, like the program.
ManifestDPIAware true
; A file that cannot be written is retried or the install given up, never skipped.
AllowSkipFiles off

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"
!include "${FILES}"

!define PRODUCT "Quorvex"
!define PUBLISHER "Harrowfen Softwares"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The single-copy lock, held open by a running copy.
!define LOCK "$LOCALAPPDATA\${PRODUCT}-single-copy.lock"
; /S's status when Quorvex runs or could not be taken away.
!define STATUS_RUNNING 3

; The installer and the uninstaller signed, each as it is written.
!ifdef SIGN
  !finalize '"${SIGN}" "%1"' = 0
  !uninstfinalize '"${SIGN}" "%1"' = 0
!endif

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}.0.0"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"
VIAddVersionKey "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quorvex.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Wine (8) leaves a box's MB_TOPMOST without effect, so the box stays below a top-most window
; such as the program's exit screen, unless its owner is top-most too: the wizard is made so
; while it asks (-1, HWND_TOPMOST), and back (-2, HWND_NOTOPMOST), neither moved nor activated.
!macro WizardTopMost AFTER
  ${If} $HWNDPARENT != 0
    System::Call 'user32::SetWindowPos(p $HWNDPARENT, p ${AFTER}, i 0, i 0, i 0, i 0, i 0x13)'
  ${EndIf}
!macroend

; Waits until no copy of Quorvex runs: one does while its lock cannot be removed (a lock left
; by a copy that was killed goes), or while the program file in folder DIR cannot be opened
; for writing. The wizard asks the person to close it, in a box above every window, the exit
; screen included; Cancel, and /S at once, end the run with STATUS_RUNNING, nothing changed.
!macro WaitUntilClosed DIR
  ${Do}
    ${If} ${FileExists} "${LOCK}"
      Delete "${LOCK}"
    ${EndIf}
    StrCpy $R0 "closed"
    ${If} ${FileExists} "${LOCK}"
      StrCpy $R0 "running"
    ${ElseIf} ${FileExists} "${DIR}\Quorvex.exe"
      ClearErrors
      FileOpen $R1 "${DIR}\Quorvex.exe" a
      ${If} ${Errors}
        StrCpy $R0 "running"
      ${Else}
        FileClose $R1
      ${EndIf}
    ${EndIf}
    ${If} $R0 == "closed"
      ${ExitDo}
    ${EndIf}
    !insertmacro WizardTopMost -1
    StrCpy $R0 "cancel"
    ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION|MB_TOPMOST|MB_SETFOREGROUND "${PRODUCT} is running. Leave it through its exit screen, then choose Retry." /SD IDCANCEL IDRETRY`
      StrCpy $R0 "retry"
    ${EndIf}
    !insertmacro WizardTopMost -2
    ${If} $R0 == "cancel"
      SetErrorLevel ${STATUS_RUNNING}
      Quit
    ${EndIf}
  ${Loop}
!macroend

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "${PRODUCT} needs 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Install"
  !insertmacro WaitUntilClosed "$INSTDIR"
  ; The earlier install, wherever it is, taken away by its own uninstaller (run in its folder,
  ; so that it waits for nothing); it keeps the settings and refuses while a copy runs.
  ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $1 != ""
  ${AndIf} ${FileExists} "$1\Uninstall.exe"
    !insertmacro WaitUntilClosed "$1"
    ExecWait '"$1\Uninstall.exe" /S _?=$1' $2
    ${If} $2 != 0
      MessageBox MB_ICONSTOP|MB_TOPMOST "The earlier installation of ${PRODUCT} in $1 could not be removed." /SD IDOK
      SetErrorLevel ${STATUS_RUNNING}
      Quit
    ${EndIf}
    Delete "$1\Uninstall.exe"
    RMDir "$1"
  ${EndIf}

  SetOutPath "$INSTDIR"
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Quorvex.exe" "" "$INSTDIR\Quorvex.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorvex.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  ; The program's home page, online help and download page.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "http://${MAIN_SITE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "http://${PROGRAM_SITE}/quorvex-help.html"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLUpdateInfo" "http://${PROGRAM_SITE}/download-quorvex.html"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

; The uninstaller and the Apps & Features entry go last, and only once every program file is
; gone: what is left can still be removed from there.
Section "Uninstall"
  !insertmacro WaitUntilClosed "$INSTDIR"
  !insertmacro UninstallFiles
  ${If} $R9 != ""
    MessageBox MB_ICONSTOP|MB_TOPMOST "${PRODUCT} could not be removed completely: $R9 is in use." /SD IDOK
    SetErrorLevel ${STATUS_RUNNING}
    Quit
  ${EndIf}
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
