; The per-user installer of the program. scripts/dist.sh passes STAGE (the
; folder to install, laid out as installed), ICON and OUTFILE.
;
; Per user, into the local programs folder, without elevation: the program
; keeps config.ini and its profiles beside itself, and a folder under
; Program Files is not writable without administrator rights.
Unicode true
; Wine on a 64-bit host may have no 32-bit side: a 64-bit installer runs on both.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define PRODUCT "VORNA Gaming Mouse option"
!define PUBLISHER "KESTRAVOX"
!define EXE "VornaOption.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VornaOption"
; The program's single-instance mutex: it exists while the program runs.
!define INSTANCE_MUTEX "KESTRAVOX_7045_Gaming_Mouse_Normal_configure"
!define SYNCHRONIZE 0x00100000
; The exit code of a run that stopped because the program was running (NSIS
; itself ends with 1 when cancelled, 2 when aborted).
!define EXIT_PROGRAM_RUNNING 3
; Where the program keeps its macros (under the roaming application data).
!define MACRO_FOLDER_ROOT "$APPDATA\KESTRAVOX"
!define MACRO_FOLDER "${MACRO_FOLDER_ROOT}\QX4812\config"

; The version is the program's own, read from its version resource.
!getdllversion "${STAGE}/${EXE}" PROGRAM_VERSION_
!define VERSION "${PROGRAM_VERSION_1}.${PROGRAM_VERSION_2}.${PROGRAM_VERSION_3}.${PROGRAM_VERSION_4}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Files of a running program cannot be replaced or removed: the user is
; asked to close it. A silent run cannot ask: it stops with its own exit code.
!macro WAIT_WHILE_PROGRAM_RUNS UN
Function ${UN}WaitWhileProgramRuns
  ${Do}
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${INSTANCE_MUTEX}") p .r0'
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${PRODUCT} is running.$\r$\nClose it, then choose Retry." /SD IDCANCEL IDRETRY retry
    SetErrorLevel ${EXIT_PROGRAM_RUNNING}
    Quit
    retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_WHILE_PROGRAM_RUNS ""
!insertmacro WAIT_WHILE_PROGRAM_RUNS "un."

Function .onInit
  Call WaitWhileProgramRuns
FunctionEnd

Function un.onInit
  Call un.WaitWhileProgramRuns
FunctionEnd

; Installing over an earlier version replaces the program's files only: the
; settings beside it and the macro file are never part of the installation.
Section "-Program"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}"

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMajor" ${PROGRAM_VERSION_1}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMinor" ${PROGRAM_VERSION_2}
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Exactly what the installer put there; the folder itself only when nothing
; else is left in it.
Section "-un.Program"
  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\Lang.dll"
  RMDir /r "$INSTDIR\Lang"
  RMDir /r "$INSTDIR\Skins"
  Delete "$INSTDIR\${UNINSTALLER}"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Kept unless the user ticks it (a silent uninstall keeps them).
Section /o "un.Remove my settings, profiles and macros"
  Delete "$INSTDIR\config.ini"
  RMDir /r "$INSTDIR\config"
  Delete "${MACRO_FOLDER}\sequence.dat"
  RMDir "${MACRO_FOLDER}"
  RMDir "${MACRO_FOLDER_ROOT}\QX4812"
  RMDir "${MACRO_FOLDER_ROOT}"
SectionEnd

Section "-un.Folder"
  RMDir "$INSTDIR"
SectionEnd
