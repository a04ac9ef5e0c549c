; The Vantrel installer. Two modes, the user's choice:
;   just for me     no administrator rights; %LOCALAPPDATA%\Programs\Vantrel, HKCU, the
;                   user's Start menu (the default, and the mode of a silent install
;                   without a switch or with /CurrentUser)
;   for all users   asks for administrator rights; Program Files\Brasmoor\Vantrel, HKLM, the
;                   all-users Start menu (/AllUsers)
; The setup program itself never asks for rights: when all users are chosen it starts a
; second copy of itself with administrator rights (/Inner) and waits for it. Nothing it
; starts for the user (Vantrel, the user guide) runs with those rights: every start goes
; through the starter's "user" command, which leaves it to the desktop's own shell.
;
; makensis -DSOURCE=<folder with the installed files> -DSTARTER=<starter.exe> -DVERSION=x.y.z
;          -DARCH=x86|amd64 -DICON=<program icon> -DOUTFILE=<path> vantrel.nsi

Unicode true
!if "${ARCH}" == "amd64"
  Target amd64-unicode
  !define MULTIUSER_USE_PROGRAMFILES64
!endif

!define PRODUCT "Vantrel"
!define MAKER "Brasmoor"
!define CAPTION "Vantrel - Brasmoor"
!define INSTALL_KEY "SOFTWARE\Brasmoor\Vantrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SHUTDOWN_COMMAND 32772
!define USER_GUIDE "https://www.brasmoor.com/vantrel/manual.html?src=setup"
; Exit codes besides NSIS's own (1 cancelled, 2 aborted).
!define EXIT_OTHER_MODE 3
!define EXIT_NOT_STARTED 4
!define EXIT_FOLDER_REFUSED 5
; The starter's own codes when it asks for administrator rights.
!define STARTER_DECLINED 10
!define STARTER_NOT_STARTED 11

!define MULTIUSER_EXECUTIONLEVEL Standard
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${INSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "path"
!define MULTIUSER_INSTALLMODE_FUNCTION ModeChosen
!include "MultiUser.nsh"
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"
!include "nsDialogs.nsh"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${MAKER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${MAKER}"

Var Parameters
Var Inner          ; 1 in the copy started with administrator rights
Var WasRunning     ; 1 when a running copy was closed for the files' sake
Var ModePage.CurrentUser
Var ModePage.AllUsers
Var ChosenFolder   ; the folder given with /D=, if any
Var UserData       ; uninstaller: the data folder of the user who runs it
Var RemoveData     ; uninstaller: 1 when the user's panels and settings go too
Var ElevateLater   ; uninstaller: 1 when the program goes for all users after the confirm page

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipInInner
!insertmacro MUI_PAGE_WELCOME
Page custom ModePageShow ModePageLeave
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryPageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Run Vantrel"
!define MUI_FINISHPAGE_RUN_FUNCTION RunVantrelFromFinishPage
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Open the user guide"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION OpenUserGuide
!define MUI_PAGE_CUSTOMFUNCTION_SHOW FinishPageShow
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.ConfirmPageShow un.ConfirmPageLeave
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; ---------------------------------------------------------------------------------------
; Shared by the installer and the uninstaller (instantiated with and without "un.").

!macro SHARED_FUNCTIONS un
; The install folder the mode's registry key records, or "" ($0: HKLM or HKCU).
Function ${un}RecordedFolder
  Exch $0
  ${If} $0 == "HKLM"
    ReadRegStr $0 HKLM "${INSTALL_KEY}" "path"
  ${Else}
    ReadRegStr $0 HKCU "${INSTALL_KEY}" "path"
  ${EndIf}
  Exch $0
FunctionEnd

; A running Vantrel: its window (class and caption) belonging to a process whose program
; is Vantrel.exe. Result on the stack: the window, or 0.
Function ${un}FindRunningCopy
  Push $0
  Push $1
  Push $2
  Push $3
  StrCpy $0 0
  ${Do}
    FindWindow $0 "#32770" "${CAPTION}" "" $0
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i 0x1000, i 0, i r1) p .r2'
    StrCpy $3 ""
    ${If} $2 P<> 0
      System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i ${NSIS_MAX_STRLEN})'
      System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
    ${GetFileName} $3 $3
    ${If} $3 == "Vantrel.exe"
      ${Break}
    ${EndIf}
  ${Loop}
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; Asks a running Vantrel to end through its own Shutdown command and waits for its process
; to be gone, so that its files can be replaced or removed: up to five seconds, then once
; more after asking again (a command that came within the program's guard time after
; another one is not acted on).
Function ${un}EndRunningCopy
  Push $0
  Push $1
  Push $2
  Push $3
  StrCpy $WasRunning 0
  Call ${un}FindRunningCopy
  Pop $0
  ${If} $0 <> 0
    StrCpy $WasRunning 1
    DetailPrint "Closing the running Vantrel"
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i 0x100000, i 0, i r1) p .r2'  ; SYNCHRONIZE
    ${For} $3 1 2
      System::Call 'user32::PostMessageW(p r0, i ${WM_COMMAND}, p ${SHUTDOWN_COMMAND}, p 0)'
      ${If} $2 P<> 0
        System::Call 'kernel32::WaitForSingleObject(p r2, i 5000) i .r1'
        ${If} $1 = 0  ; WAIT_OBJECT_0: it has ended
          ${Break}
        ${EndIf}
      ${Else}
        Sleep 2500
      ${EndIf}
    ${Next}
    ${If} $2 P<> 0
      System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
  ${EndIf}
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

; Starts a copy of this program with administrator rights for the all-users mode, waits
; for it and leaves its exit code on the stack (STARTER_DECLINED: the user declined).
; Parameters on the stack: what to add to this program's own. NSIS takes /D= off the
; command line: the setup hands a folder given that way on explicitly, last.
Function ${un}ContinueElevated
  Exch $0
  !if "${un}" == ""
    ${If} $ChosenFolder != ""
      StrCpy $0 "$0 /D=$ChosenFolder"
    ${EndIf}
  !endif
  InitPluginsDir
  File "/oname=$PLUGINSDIR\starter.exe" "${STARTER}"
  HideWindow
  ExecWait '"$PLUGINSDIR\starter.exe" elevated "$EXEPATH" /AllUsers /Inner $0' $0
  ${IfNot} ${Silent}
    ${If} $0 == ${STARTER_DECLINED}
      BringToFront
      MessageBox MB_OK|MB_ICONEXCLAMATION \
        "Vantrel needs administrator rights to be installed or removed for all users.$\r$\nNothing was changed."
    ${ElseIf} $0 == ${STARTER_NOT_STARTED}
      BringToFront
      MessageBox MB_OK|MB_ICONSTOP "Vantrel's setup could not start with administrator rights.$\r$\nNothing was changed."
    ${EndIf}
  ${EndIf}
  Exch $0
FunctionEnd

; The copy with administrator rights unpacks its plug-ins and the starter, and runs them,
; from a new folder under Program Files, where only administrators can write or create a
; name first; never from the user's temporary folder, where any program of the user could
; replace them. Called before the first plug-in; NSIS removes the folder at the end.
Function ${un}UseProtectedWorkingFolder
  Push $0
  ClearErrors
  GetTempFileName $0 "$PROGRAMFILES"
  ${IfNot} ${Errors}
    Delete "$0"
    ClearErrors
    CreateDirectory "$0"
    ${IfNot} ${Errors}
      UnsafeStrCpy $PLUGINSDIR "$0"
    ${EndIf}
  ${EndIf}
  Pop $0
FunctionEnd

; Only the copy with administrator rights may work for all users. For tests of the hand-over
; on systems where every program has those rights, VANTREL_SETUP_STANDARD_USER=1 makes the
; first copy act as a standard user's.
Function ${un}HasAdministratorRights
  Push $0
  Push $1
  StrCpy $0 0
  ${If} $MultiUser.Privileges == "Admin"
  ${OrIf} $MultiUser.Privileges == "Power"
    StrCpy $0 1
  ${EndIf}
  ${If} $Inner != 1
    ReadEnvStr $1 VANTREL_SETUP_STANDARD_USER
    ${If} $1 == 1
      StrCpy $0 0
    ${EndIf}
  ${EndIf}
  Pop $1
  Exch $0
FunctionEnd

; What this copy was started with: $Parameters, $Inner (1 in the copy with administrator
; rights) and the account's rights.
Function ${un}ReadCommandLine
  Push $0
  ${GetParameters} $Parameters
  ClearErrors
  ${GetOptions} $Parameters "/Inner" $0
  ${IfNot} ${Errors}
    StrCpy $Inner 1
    Call ${un}UseProtectedWorkingFolder
  ${EndIf}
  UserInfo::GetAccountType
  Pop $MultiUser.Privileges
  Pop $0
FunctionEnd
!macroend
!insertmacro SHARED_FUNCTIONS ""
!insertmacro SHARED_FUNCTIONS "un."


; ---------------------------------------------------------------------------------------
; The installer.

Function ModeChosen
  ; A new all-users install keeps the maker's folder under Program Files.
  ${If} $MultiUser.InstallMode == "AllUsers"
  ${AndIf} $MultiUser.InstDir == ""
    !if "${ARCH}" == "amd64"
      StrCpy $INSTDIR "$PROGRAMFILES64\${MAKER}\${PRODUCT}"
    !else
      StrCpy $INSTDIR "$PROGRAMFILES\${MAKER}\${PRODUCT}"
    !endif
  ${EndIf}
FunctionEnd

; "" when the chosen mode may install, else the message why not: one copy per machine,
; since two would fight over the mouse.
Function OtherModeInstalled
  Push $0
  ${If} $MultiUser.InstallMode == "AllUsers"
    Push HKCU
    Call RecordedFolder
    Pop $0
    ${If} $0 != ""
      StrCpy $0 "Vantrel is already installed just for you, in $0.$\r$\nUninstall that copy first, or install Vantrel just for you again."
    ${EndIf}
  ${Else}
    Push HKLM
    Call RecordedFolder
    Pop $0
    ${If} $0 != ""
      StrCpy $0 "Vantrel is already installed for all users of this computer, in $0.$\r$\nUninstall that copy first, or install Vantrel for all users again."
    ${EndIf}
  ${EndIf}
  Exch $0
FunctionEnd

; Whether the folder may hold an all-users install: only a folder under Program Files (either
; one), which only administrators can change; anywhere else any user could replace the
; program that every user's log-on starts. The path is made whole first ("..\" and the like).
; 1 or 0 on the stack.
Function AllUsersFolderAllowed
  Exch $0
  Push $1
  Push $2
  System::Call 'kernel32::GetFullPathNameW(w r0, i ${NSIS_MAX_STRLEN}, w .r1, p 0) i .r2'
  StrCpy $0 0
  ${If} $2 <> 0
    Push "$PROGRAMFILES64\"
    Call IsUnder
    Pop $0
    ${If} $0 == 0
      Push "$PROGRAMFILES32\"
      Call IsUnder
      Pop $0
    ${EndIf}
  ${EndIf}
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; Whether $1 lies inside the folder on the stack (ending in a backslash), letter case aside.
Function IsUnder
  Exch $0
  Push $2
  Push $3
  StrLen $2 $0
  StrCpy $3 $1 $2
  ${If} $3 == $0
  ${AndIf} $1 != $0
    StrCpy $0 1
  ${Else}
    StrCpy $0 0
  ${EndIf}
  Pop $3
  Pop $2
  Exch $0
FunctionEnd

!define FOLDER_REFUSED_TEXT "Vantrel for all users can only be installed in a folder under Program Files, which only administrators can change.$\r$\nChoose a folder there, or install Vantrel just for you."

; A refused folder stops a silent install before anything is written.
Function RefuseAllUsersFolderSilently
  ${If} $MultiUser.InstallMode == "AllUsers"
    Push $INSTDIR
    Call AllUsersFolderAllowed
    Pop $0
    ${If} $0 == 0
      MessageBox MB_OK|MB_ICONSTOP "${FOLDER_REFUSED_TEXT}" /SD IDOK
      SetErrorLevel ${EXIT_FOLDER_REFUSED}
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

Function DirectoryPageLeave
  ${If} $MultiUser.InstallMode == "AllUsers"
    Push $INSTDIR
    Call AllUsersFolderAllowed
    Pop $0
    ${If} $0 == 0
      MessageBox MB_OK|MB_ICONSTOP "${FOLDER_REFUSED_TEXT}"
      Abort
    ${EndIf}
  ${EndIf}
FunctionEnd

Function .onInit
  !if "${ARCH}" == "amd64"
    SetRegView 64
  !endif
  Call ReadCommandLine
  ; A folder given with /D= is the user's choice: the mode's default does not replace it.
  StrCpy $ChosenFolder $INSTDIR
  ClearErrors
  ${GetOptions} $Parameters "/AllUsers" $0
  ${IfNot} ${Errors}
    Call HasAdministratorRights
    Pop $0
    ${If} $0 == 0
      ; A folder that will be refused is refused before anyone is asked for rights.
      ${If} ${Silent}
      ${AndIf} $ChosenFolder != ""
        StrCpy $MultiUser.InstallMode "AllUsers"
        StrCpy $INSTDIR $ChosenFolder
        Call RefuseAllUsersFolderSilently
      ${EndIf}
      Push $Parameters
      Call ContinueElevated
      Pop $0
      SetErrorLevel $0
      Quit
    ${EndIf}
  ${EndIf}
  !insertmacro MULTIUSER_INIT
  ${If} $ChosenFolder != ""
    StrCpy $INSTDIR $ChosenFolder
  ${EndIf}
  ${If} ${Silent}
    Call RefuseAllUsersFolderSilently
  ${EndIf}
  ${If} ${Silent}
  ${OrIf} $Inner == 1
    Call OtherModeInstalled
    Pop $0
    ${If} $0 != ""
      MessageBox MB_OK|MB_ICONSTOP "$0" /SD IDOK
      SetErrorLevel ${EXIT_OTHER_MODE}
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

Function SkipInInner
  ${If} $Inner == 1
    Abort
  ${EndIf}
FunctionEnd

Function ModePageShow
  ${If} $Inner == 1
    Abort
  ${EndIf}
  ; Without a choice on the command line, an earlier all-users install suggests its mode.
  ${If} $MultiUser.InstallMode == "CurrentUser"
    ClearErrors
    ${GetOptions} $Parameters "/CurrentUser" $0
    ${If} ${Errors}
      Push HKLM
      Call RecordedFolder
      Pop $0
      Push HKCU
      Call RecordedFolder
      Pop $1
      ${If} $0 != ""
      ${AndIf} $1 == ""
        StrCpy $MultiUser.InstallMode "AllUsers"
      ${EndIf}
    ${EndIf}
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "Choose Installation Mode" "Install Vantrel just for you, or for everyone who uses this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 24u "Vantrel can be installed for you alone, without administrator rights, or for every user of this computer."
  Pop $0
  ${NSD_CreateRadioButton} 10u 30u -10u 12u "&Just for me (no administrator rights needed)"
  Pop $ModePage.CurrentUser
  ${NSD_CreateRadioButton} 10u 48u -10u 12u "For &all users of this computer (asks for administrator rights)"
  Pop $ModePage.AllUsers
  ${If} $MultiUser.InstallMode == "AllUsers"
    ${NSD_Check} $ModePage.AllUsers
  ${Else}
    ${NSD_Check} $ModePage.CurrentUser
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $ModePage.AllUsers $0
  ${If} $0 = ${BST_CHECKED}
    Call HasAdministratorRights
    Pop $1
    ${If} $1 == 0
      ; The rest of the wizard continues in the copy with administrator rights.
      Push $Parameters
      Call ContinueElevated
      Pop $1
      ${If} $1 == ${STARTER_DECLINED}
      ${OrIf} $1 == ${STARTER_NOT_STARTED}
        Abort
      ${EndIf}
      SetErrorLevel $1
      Quit
    ${EndIf}
    Call MultiUser.InstallMode.AllUsers
  ${Else}
    Call MultiUser.InstallMode.CurrentUser
  ${EndIf}
  ${If} $ChosenFolder != ""
    StrCpy $INSTDIR $ChosenFolder
  ${EndIf}
  Call OtherModeInstalled
  Pop $0
  ${If} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP "$0"
    Abort
  ${EndIf}
FunctionEnd

; Starts a program or opens an address as the user of the desktop. Nothing is started any
; other way: an elevated installer would hand its rights on.
!macro START_AS_USER target parameters result
  InitPluginsDir
  File "/oname=$PLUGINSDIR\starter.exe" "${STARTER}"
  ExecWait '"$PLUGINSDIR\starter.exe" user "${target}" ${parameters}' ${result}
!macroend

Section "Vantrel" SectionProgram
  SectionIn RO
  Call EndRunningCopy
  SetOutPath "$INSTDIR"
  ClearErrors
  File "${SOURCE}\Vantrel.exe"
  File "${SOURCE}\chordhook.dll"
  File "${SOURCE}\*.wav"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ${If} ${Errors}
    SetErrorLevel 2
    Abort "Vantrel could not write its files in $INSTDIR. Close every copy of Vantrel and try again."
  ${EndIf}
  ; SHCTX: HKCU just for the user, HKLM for all users.
  WriteRegStr SHCTX "${INSTALL_KEY}" "path" "$INSTDIR"
  WriteRegStr SHCTX "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Vantrel.exe"'
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Vantrel.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe" "/$MultiUser.InstallMode"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vantrel.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; A copy that was running before comes back; a silent install starts one only with /Run.
; The program starts without the log-off offer: it takes effect at once.
Function .onInstSuccess
  StrCpy $1 $WasRunning
  ${If} ${Silent}
    ClearErrors
    ${GetOptions} $Parameters "/Run" $0
    ${IfNot} ${Errors}
      StrCpy $1 1
    ${EndIf}
  ${EndIf}
  ${If} $1 == 1
    !insertmacro START_AS_USER "$INSTDIR\Vantrel.exe" "" $0
    ${If} $0 != 0
      DetailPrint "Vantrel could not be started for you: start it from the Start menu."
      SetErrorLevel ${EXIT_NOT_STARTED}
    ${EndIf}
  ${EndIf}
FunctionEnd

Function FinishPageShow
  ; Restarted already: nothing left to run.
  ${If} $WasRunning == 1
    ShowWindow $mui.FinishPage.Run ${SW_HIDE}
    ${NSD_Uncheck} $mui.FinishPage.Run
  ${EndIf}
FunctionEnd

Function RunVantrelFromFinishPage
  !insertmacro START_AS_USER "$INSTDIR\Vantrel.exe" "" $0
  ${If} $0 != 0
    MessageBox MB_OK|MB_ICONINFORMATION "Vantrel could not be started for you. Start it from the Start menu."
  ${EndIf}
FunctionEnd

Function OpenUserGuide
  !insertmacro START_AS_USER "${USER_GUIDE}" "" $0
FunctionEnd

; ---------------------------------------------------------------------------------------
; The uninstaller.

; Removes a folder of the user's data: as a link when it is one, else its files and then the
; folder if it is empty.
!macro REMOVE_DATA_SUBFOLDER name
  Push "$UserData\${name}"
  Call un.IsLink
  Pop $0
  ${If} $0 == 1
    !insertmacro REMOVE_LINK "$UserData\${name}"
  ${Else}
    Delete "$UserData\${name}\*.*"
    RMDir "$UserData\${name}"
  ${EndIf}
!macroend

; Removes a link to a folder, never what it leads to: a junction or a folder's symbolic link
; goes with RMDir; a link that the system takes for a file goes with Delete.
!macro REMOVE_LINK path
  RMDir "${path}"
  ${If} ${FileExists} "${path}\*.*"
    Delete "${path}"
  ${EndIf}
!macroend

Function un.onInit
  !if "${ARCH}" == "amd64"
    SetRegView 64
  !endif
  ; The user's data is only ever this account's own data folder, removed by this account's
  ; own copy: the copy with administrator rights never touches it, and no folder named on
  ; the command line is removed.
  SetShellVarContext current
  StrCpy $UserData "$LOCALAPPDATA\${MAKER}\${PRODUCT}"
  Call un.ReadCommandLine
  ; The copy for all users is the one recorded in HKLM, whatever the command line says.
  Push HKLM
  Call un.RecordedFolder
  Pop $R9
  ClearErrors
  ${un.GetOptions} $Parameters "/AllUsers" $1
  ${If} $R9 == $INSTDIR
  ${OrIfNot} ${Errors}
    Call un.HasAdministratorRights
    Pop $1
    ${If} $1 == 0
      ${IfNot} ${Silent}
        ; The user answers the confirm page here; the program is then removed by a copy
        ; with administrator rights, and the data by this one.
        StrCpy $ElevateLater 1
      ${Else}
        Push '$Parameters _?=$INSTDIR'
        Call un.ContinueElevated
        Pop $1
        SetErrorLevel $1
        Quit
      ${EndIf}
    ${EndIf}
  ${EndIf}
  !insertmacro MULTIUSER_UNINIT
  ${If} $R9 == $INSTDIR
    Call un.MultiUser.InstallMode.AllUsers
  ${EndIf}
FunctionEnd

Var RemoveDataBox
Function un.ConfirmPageShow
  ; The copy with administrator rights only removes the program: the user answered already.
  ${If} $Inner == 1
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "Uninstall Vantrel" "Remove Vantrel from this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 36u "Vantrel will be removed from $INSTDIR. Your panels and settings stay in $UserData unless you tick the box below."
  Pop $0
  ${NSD_CreateCheckbox} 0 44u 100% 12u "Also remove my panels and settings"
  Pop $RemoveDataBox
  nsDialogs::Show
FunctionEnd

Function un.ConfirmPageLeave
  ${NSD_GetState} $RemoveDataBox $RemoveData
  ${If} $ElevateLater == 1
    Push '$Parameters _?=$INSTDIR'
    Call un.ContinueElevated
    Pop $1
    ${If} $1 == ${STARTER_DECLINED}
    ${OrIf} $1 == ${STARTER_NOT_STARTED}
      Abort
    ${EndIf}
    ${If} $1 == 0
    ${AndIf} $RemoveData == ${BST_CHECKED}
      Call un.RemoveUserData
    ${EndIf}
    SetErrorLevel $1
    Quit
  ${EndIf}
FunctionEnd

; 1 on the stack when the path is a link (a junction or a symbolic link), else 0.
Function un.IsLink
  Exch $0
  System::Call 'kernel32::GetFileAttributesW(w r0) i .r0'
  ${If} $0 = -1
    StrCpy $0 0
  ${Else}
    IntOp $0 $0 & 0x400  ; FILE_ATTRIBUTE_REPARSE_POINT
    ${If} $0 <> 0
      StrCpy $0 1
    ${EndIf}
  ${EndIf}
  Exch $0
FunctionEnd

; Removes what Vantrel writes in the user's data folder and nothing else: the data files by
; name, the files in Shortcuts and Text, then each folder if it is empty. A link is removed
; as a link, its target untouched: the data folder or its parent being one, or a link in
; place of Shortcuts or Text; a link in place of a file is the file. A file that Vantrel never
; wrote stays, and with it the folder; the user is told.
Function un.RemoveUserData
  Push $0
  Push $1
  Push "$LOCALAPPDATA\${MAKER}"
  Call un.IsLink
  Pop $0
  Push "$UserData"
  Call un.IsLink
  Pop $1
  ${If} $0 == 1
    !insertmacro REMOVE_LINK "$LOCALAPPDATA\${MAKER}"
  ${ElseIf} $1 == 1
    !insertmacro REMOVE_LINK "$UserData"
  ${ElseIf} ${FileExists} "$UserData\*.*"
    Delete "$UserData\Launcher.*"
    Delete "$UserData\Vantrel.ini"
    !insertmacro REMOVE_DATA_SUBFOLDER "Shortcuts"
    !insertmacro REMOVE_DATA_SUBFOLDER "Text"
    RMDir "$UserData"
    ${If} ${FileExists} "$UserData\*.*"
      DetailPrint "$UserData holds files that Vantrel did not write; it was left in place."
      MessageBox MB_OK|MB_ICONINFORMATION "Vantrel's panels and settings were removed. The folder $UserData was left in place because it holds files that Vantrel did not write." /SD IDOK
    ${EndIf}
  ${EndIf}
  RMDir "$LOCALAPPDATA\${MAKER}"
  Pop $1
  Pop $0
FunctionEnd

Section "Uninstall"
  Call un.EndRunningCopy
  ; The copy of the uninstaller that was started from the folder hands over to a copy of
  ; itself and ends; until its process is gone, its file cannot be removed.
  StrCpy $0 0
  ${Do}
    ClearErrors
    Delete "$INSTDIR\Uninstall.exe"
    ${IfNot} ${Errors}
    ${OrIf} $0 >= 25
      ${Break}
    ${EndIf}
    IntOp $0 $0 + 1
    Sleep 200
  ${Loop}
  ClearErrors
  Delete "$INSTDIR\Vantrel.exe"
  Delete "$INSTDIR\chordhook.dll"
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
  Delete "$INSTDIR\Uninstall.exe"
  ${If} ${Errors}
    SetErrorLevel 2
    DetailPrint "Some of Vantrel's files in $INSTDIR could not be removed."
  ${EndIf}
  RMDir "$INSTDIR"
  ${If} $MultiUser.InstallMode == "AllUsers"
    RMDir "$INSTDIR\.."
  ${EndIf}
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  DeleteRegValue SHCTX "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegValue SHCTX "${INSTALL_KEY}" "path"
  DeleteRegKey /ifempty SHCTX "${INSTALL_KEY}"
  DeleteRegKey /ifempty SHCTX "SOFTWARE\${MAKER}"
  ; The user's panels and options are theirs: removed only when asked for (never silently),
  ; and only by the user's own copy.
  ${If} $RemoveData == ${BST_CHECKED}
  ${AndIf} $Inner != 1
    Call un.RemoveUserData
  ${EndIf}
SectionEnd
