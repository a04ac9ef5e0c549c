; The Vantrel installer: the program, its hook library and its sounds in
; "Program Files\Brasmoor\Vantrel" (or a folder the user picks), the install folder in the
; registry, a Start-menu shortcut, an optional start at log-on and an uninstaller.
; makensis -DSOURCE=<folder with the installed files> -DVERSION=x.y.z -DARCH=x86|amd64
;          -DICON=<program icon> -DOUTFILE=<path> vantrel.nsi

Unicode true
!if "${ARCH}" == "amd64"
  Target amd64-unicode
!endif
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define PRODUCT "Vantrel"
!define MAKER "Brasmoor"
!define CAPTION "Vantrel - Brasmoor"
!define INSTALL_KEY "SOFTWARE\Brasmoor\Vantrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SHUTDOWN_COMMAND 32772
; The sound files the installer puts beside the program: the uninstaller removes these and
; no other .wav file a user may keep there.
!macro DELETE_SOUNDS
  Delete "$INSTDIR\balloon-common.wav"
  Delete "$INSTDIR\basic-activation.wav"
  Delete "$INSTDIR\basic-changing.wav"
  Delete "$INSTDIR\basic-launching.wav"
  Delete "$INSTDIR\clock-common.wav"
  Delete "$INSTDIR\clock-launching.wav"
  Delete "$INSTDIR\echo-activation.wav"
  Delete "$INSTDIR\echo-changing.wav"
  Delete "$INSTDIR\echo-launching.wav"
  Delete "$INSTDIR\pinball-activation.wav"
  Delete "$INSTDIR\pinball-changing.wav"
  Delete "$INSTDIR\pinball-launching.wav"
!macroend

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
!if "${ARCH}" == "amd64"
  InstallDir "$PROGRAMFILES64\${MAKER}\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${MAKER}\${PRODUCT}"
!endif
InstallDirRegKey HKLM "${INSTALL_KEY}" "path"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${MAKER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${MAKER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_NOAUTOCLOSE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Ends a running copy through its own Shutdown command, as its tray menu would.
!macro END_RUNNING_COPY
  FindWindow $0 "" "${CAPTION}"
  ${If} $0 <> 0
    SendMessage $0 ${WM_COMMAND} ${SHUTDOWN_COMMAND} 0
    StrCpy $1 0
    wait_for_exit:
      Sleep 200
      FindWindow $0 "" "${CAPTION}"
      IntOp $1 $1 + 1
      ${If} $0 <> 0
      ${AndIf} $1 < 25
        Goto wait_for_exit
      ${EndIf}
  ${EndIf}
!macroend

Function .onInit
  !if "${ARCH}" == "amd64"
    SetRegView 64
  !endif
FunctionEnd

Section "Vantrel" SectionProgram
  SectionIn RO
  !insertmacro END_RUNNING_COPY
  SetOutPath "$INSTDIR"
  File "${SOURCE}\Vantrel.exe"
  File "${SOURCE}\chordhook.dll"
  File "${SOURCE}\*.wav"
  WriteRegStr HKLM "${INSTALL_KEY}" "path" "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Vantrel.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vantrel.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Start Vantrel when I log on" SectionLogon
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Vantrel.exe"'
SectionEnd

; The program asks for a log-off on newer systems when it is started this way. A silent
; install asks nothing: it starts the program (without the offer) only when told to with /Run.
Function .onInstSuccess
  ${If} ${Silent}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/Run" $1
    ${IfNot} ${Errors}
      Exec '"$INSTDIR\Vantrel.exe"'
    ${EndIf}
  ${Else}
    Exec '"$INSTDIR\Vantrel.exe" /reboot'
  ${EndIf}
FunctionEnd

Function un.onInit
  !if "${ARCH}" == "amd64"
    SetRegView 64
  !endif
FunctionEnd

Section "Uninstall"
  !insertmacro END_RUNNING_COPY
  Delete "$INSTDIR\Vantrel.exe"
  Delete "$INSTDIR\chordhook.dll"
  !insertmacro DELETE_SOUNDS
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$INSTDIR\.."
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "${INSTALL_KEY}"
  DeleteRegKey /ifempty HKLM "SOFTWARE\Brasmoor"
  ; The user's panels and options are theirs: asked about, and kept in a silent uninstall.
  IfSilent keep_data
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Do you also want to remove your Vantrel panels and options?$\r$\n($LOCALAPPDATA\${MAKER}\${PRODUCT})" \
    IDNO keep_data
  RMDir /r "$LOCALAPPDATA\${MAKER}\${PRODUCT}"
  RMDir "$LOCALAPPDATA\${MAKER}"
keep_data:
SectionEnd
