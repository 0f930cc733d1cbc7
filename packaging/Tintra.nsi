; Per-user installer of Tintra: no administrator rights, everything under the user's own folders
; and registry. The build passes VERSION, SOURCE_DIR (Tintra.exe and the help files), ICON and
; OUTPUT_FILE.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Tintra"
!define PUBLISHER "Kelvo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintra"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\Kelvo Tintra\Tintra"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTPUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Tintra"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tintra.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

LangString CloseTintra ${LANG_ENGLISH} "Tintra is running. It will be closed now, as if you closed its window, so that your settings are saved."
LangString CloseTintra ${LANG_RUSSIAN} "Tintra запущена. Сейчас она будет закрыта, как если бы вы закрыли её окно, и ваши настройки сохранятся."
LangString TintraStillRuns ${LANG_ENGLISH} "Tintra did not close. Close it (and any dialog it shows), then click Retry."
LangString TintraStillRuns ${LANG_RUSSIAN} "Tintra не закрылась. Закройте её (и открытые в ней окна) и нажмите «Повтор»."
LangString RemoveSettings ${LANG_ENGLISH} "Also remove your Tintra settings (colours, options, window position)?"
LangString RemoveSettings ${LANG_RUSSIAN} "Удалить и ваши настройки Tintra (цвета, опции, положение окна)?"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Kelvo"

; A running Tintra holds this mutex (src/app/TintraApp.cpp) and keeps its program file open.
; Earlier builds hold none; their main window, a dialog captioned Tintra, shows them.
!define RUNNING_MARKER "Kelvo Tintra running"
!define SYNCHRONIZE 0x00100000

; Closes a running Tintra the way a user would, through its window, so that it saves its
; settings (and its start-with-Windows entry) before its files are replaced or removed.
; Asks first when someone is there to answer; a silent run just closes it. A Tintra that will not
; close (a dialog of it waits for an answer) ends the setup with exit code 2 when silent.
!macro CLOSE_RUNNING_TINTRA un
; $0: 1 while a Tintra runs, else 0.
Function ${un}IsTintraRunning
  System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MARKER}") p .r0'
  ${If} $0 != 0
    System::Call 'kernel32::CloseHandle(p r0)'
    StrCpy $0 1
  ${Else}
    FindWindow $0 "#32770" "Tintra"
    ${If} $0 != 0
      StrCpy $0 1
    ${EndIf}
  ${EndIf}
FunctionEnd

Function ${un}CloseRunningTintra
  Call ${un}IsTintraRunning
  ${If} $0 = 0
    Return
  ${EndIf}
  MessageBox MB_OKCANCEL|MB_ICONINFORMATION "$(CloseTintra)" /SD IDOK IDOK close
  Quit
close:
  ; Each window titled Tintra gets one WM_CLOSE: a note it shows first, then the main window.
  StrCpy $3 0 ; the Tintra process, once known
  ${For} $4 1 10
    FindWindow $1 "#32770" "Tintra"
    ${If} $1 = 0
      ${Break}
    ${EndIf}
    ${If} $3 == 0
      System::Call 'user32::GetWindowThreadProcessId(p r1, *i .r2)'
      System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r2) p .r3'
    ${EndIf}
    System::Call 'user32::PostMessageW(p r1, i ${WM_CLOSE}, p 0, p 0)'
    ${For} $5 1 100
      System::Call 'user32::IsWindow(p r1) i .r6'
      ${If} $6 = 0
        ${Break}
      ${EndIf}
      Sleep 100
    ${Next}
  ${Next}
  ${If} $3 != 0
    ; The process ends after saving; only then is its program file free.
    System::Call 'kernel32::WaitForSingleObject(p r3, i 10000)'
    System::Call 'kernel32::CloseHandle(p r3)'
  ${EndIf}
  Call ${un}IsTintraRunning
  ${If} $0 = 1
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(TintraStillRuns)" /SD IDCANCEL IDRETRY close
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_TINTRA ""
!insertmacro CLOSE_RUNNING_TINTRA "un."

Section "Tintra"
  SetShellVarContext current
  Call CloseRunningTintra
  SetOutPath "$INSTDIR"
  File "${SOURCE_DIR}/Tintra.exe"
  File "${SOURCE_DIR}/HelpEn.chm"
  File "${SOURCE_DIR}/HelpRu.chm"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Tintra.lnk" "$INSTDIR\Tintra.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tintra.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; Start with Windows stays as the user chose it: an entry of an earlier copy points here now.
  ReadRegStr $0 HKCU "${RUN_KEY}" "Tintra"
  ${If} $0 != ""
    WriteRegStr HKCU "${RUN_KEY}" "Tintra" '"$INSTDIR\Tintra.exe"'
  ${EndIf}
  ; The size Windows shows in its list of programs, in kilobytes.
  SectionGetSize 0 $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  ; Closed first: a Tintra still running would write its start-with-Windows entry again.
  Call un.CloseRunningTintra
  Delete "$INSTDIR\Tintra.exe"
  Delete "$INSTDIR\HelpEn.chm"
  Delete "$INSTDIR\HelpRu.chm"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Tintra.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Start with Windows: the user's entry, and a machine-wide one an older Tintra may have
  ; written, where this user may remove it.
  DeleteRegValue HKCU "${RUN_KEY}" "Tintra"
  DeleteRegValue HKLM "${RUN_KEY}" "Tintra"
  ; Asked only when someone is there to answer: a silent uninstall keeps the settings.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveSettings)" /SD IDNO IDNO keep
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Kelvo Tintra"
  keep:
SectionEnd
