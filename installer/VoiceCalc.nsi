; The calculator's Windows installer. scripts/package.sh builds it:
;   makensis -INPUTCHARSET UTF8 -DVERSION=… -DSTAGE=<folder> -DSOUND_LIST=<file>
;            -DICON=<.ico> -DOUTFILE=<setup.exe> VoiceCalc.nsi
; STAGE holds what is installed (VoiceCalc.exe, dark.skn, Sound\), the same
; folder the portable zip is made of. SOUND_LIST is an include that package.sh
; writes from STAGE\Sound: the macros VC_INSTALL_SOUNDS and VC_REMOVE_SOUNDS,
; so the uninstaller deletes the voices it installed by name and keeps any
; file the user put beside them.
;
; With -DWIN64 it is the installer of the 64-bit program: itself 64-bit, it
; installs into the 64-bit program folder and writes the 64-bit registry.
;
; Silent: Setup.exe /S [/D=C:\Folder]   Uninstall.exe /S [_?=C:\Folder]

!ifdef WIN64
  Target amd64-unicode
!else
  Unicode true
!endif
!include "MUI2.nsh"

!ifndef VERSION | STAGE | SOUND_LIST | ICON | OUTFILE
  !error "define VERSION, STAGE, SOUND_LIST, ICON and OUTFILE (scripts/package.sh does)"
!endif

!define APP_NAME "语音计算器"
!define APP_EXE "VoiceCalc.exe"
!define SKIN_FILE "dark.skn"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VoiceCalc"
; One folder and one shortcut, named alike in every language, so that the
; uninstaller finds them whichever language it runs in.
!define SHORTCUT_DIR "$SMPROGRAMS\${APP_NAME}"
!define SHORTCUT "${SHORTCUT_DIR}\${APP_NAME}.lnk"

Name "${APP_NAME}"
OutFile "${OUTFILE}"
!ifdef WIN64
  InstallDir "$PROGRAMFILES64\VoiceCalc"
!else
  InstallDir "$PROGRAMFILES\VoiceCalc"
!endif
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show
BrandingText "${APP_NAME} ${VERSION}"

; The program's own version information names no copyright holder either.
!pragma warning disable 9100
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP_NAME} Setup"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The chosen language is kept in the uninstall entry, which the uninstaller
; deletes: no key of our own outlives the program.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"

!define MUI_FINISHPAGE_RUN "$INSTDIR\${APP_EXE}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used when the system's is neither.
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_RESERVEFILE_LANGDLL
; The Chinese language file names its font 宋体; by its English name the same
; font is found too where it is only substituted (Wine maps SimSun, not 宋体).
SetFont /LANG=${LANG_SIMPCHINESE} "SimSun" 9

!include "${SOUND_LIST}"

!macro VC_REGISTRY_VIEW
  !ifdef WIN64
    SetRegView 64
  !endif
!macroend

Function .onInit
  SetShellVarContext all
  !insertmacro VC_REGISTRY_VIEW
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetShellVarContext all
  !insertmacro VC_REGISTRY_VIEW
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "-Program"
  ; The program finds its voices in Sound\ under its working folder: the
  ; shortcut starts it in the installation folder.
  SetOutPath "$INSTDIR"
  File "${STAGE}/${APP_EXE}"
  File "${STAGE}/${SKIN_FILE}"
  SetOutPath "$INSTDIR\Sound"
  !insertmacro VC_INSTALL_SOUNDS
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateDirectory "${SHORTCUT_DIR}"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\${APP_EXE}" "" "$INSTDIR\${APP_EXE}" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${APP_EXE},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes what the installer put there, by name; folders go only when empty,
; so files the user added are kept with the folders that hold them.
Section "Uninstall"
  Delete "${SHORTCUT}"
  RMDir "${SHORTCUT_DIR}"

  Delete "$INSTDIR\${APP_EXE}"
  Delete "$INSTDIR\${SKIN_FILE}"
  !insertmacro VC_REMOVE_SOUNDS
  RMDir "$INSTDIR\Sound"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
