; The Windows installer of ZORIKAN Simulator, built by
; tools/windows/make_installer.sh with Debian's NSIS.
;
; It installs for the current user by default, into the user's own programs
; folder (%LOCALAPPDATA%\Programs), and on a standard account it asks for no
; administrator rights. It asks for the highest rights the account has: on an
; administrator's account it also offers an installation for all users, into
; Program Files. It adds a Start-menu entry,
; the .zgs file type for saved games and an entry in "Apps & features". The
; uninstaller removes exactly the files and keys the installer added, so that
; saved games stay wherever the player put them, even in the game's folder.
;
; makensis -DVERSION=4.1 -DOUTFILE=... -DFILES=<folder of the generated
; file lists> -DSIZE_KB=<installed size> -DICON=<zorikan.ico>
; -DSIDE_PICTURE=<164 x 314 bitmap> installer.nsi
;
; Command line of the built installer: /S installs silently, /AllUsers or
; /CurrentUser choose the installation, /D=<folder> the folder.

; A 64-bit installer for a 64-bit game: it reads and writes the registry's
; 64-bit view, and on a 32-bit Windows it does not start at all.
Target amd64-unicode
SetCompressor /SOLID lzma

!define APP "ZORIKAN Simulator"
!define PUBLISHER "The ZORIKAN Simulator developers"
!define EXE "zorikan.exe"
!define UNINSTALLER "Uninstall.exe"
; Where the installer remembers the folder, read back by the next version.
!define APP_KEY "Software\ZORIKAN Simulator"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZORIKAN Simulator"
!define PROGID "ZORIKAN.SavedGame"
!define CLASSES "Software\Classes"

Name "${APP}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${APP}"
VIAddVersionKey "FileDescription" "${APP} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

; The current user by default; an administrator may choose all users.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${APP_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallFolder"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${APP_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallFolder"
!define MULTIUSER_MUI
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE_PICTURE}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${SIDE_PICTURE}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${APP}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Explorer shows the new or removed file type without a restart.
!macro NOTIFY_FILE_TYPES
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

Section "Install"
  ; A version already installed in this mode is removed first by its own
  ; uninstaller, which knows its files, so that nothing of it stays behind;
  ; the new version then takes its place.
  ReadRegStr $0 SHCTX "${APP_KEY}" "InstallFolder"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\${UNINSTALLER}"
    DetailPrint "Removing the version installed in $0"
    ExecWait '"$0\${UNINSTALLER}" /S /$MultiUser.InstallMode _?=$0'
    Delete "$0\${UNINSTALLER}"
    RMDir "$0"
  ${EndIf}

  !include "${FILES}\install_files.nsh"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortCut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 \
      SW_SHOWNORMAL "" "Collect, train and battle ZORIKAN"

  ; Saved games: the game's icon, and a double-click opens the game with the
  ; file as its last argument, which the game loads.
  WriteRegStr SHCTX "${CLASSES}\.zgs" "" "${PROGID}"
  WriteRegStr SHCTX "${CLASSES}\.zgs\OpenWithProgids" "${PROGID}" ""
  WriteRegStr SHCTX "${CLASSES}\${PROGID}" "" "ZORIKAN saved game"
  WriteRegStr SHCTX "${CLASSES}\${PROGID}\DefaultIcon" "" '"$INSTDIR\${EXE}",0'
  WriteRegStr SHCTX "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
  !insertmacro NOTIFY_FILE_TYPES

  WriteRegStr SHCTX "${APP_KEY}" "InstallFolder" "$INSTDIR"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\${EXE}",0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
      '"$INSTDIR\${UNINSTALLER}" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
      '"$INSTDIR\${UNINSTALLER}" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only the installed files by name, and the folders only when empty: a
  ; saved game kept beside the game stays, and so does its folder.
  !include "${FILES}\uninstall_files.nsh"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${APP}.lnk"

  ; The file type goes; .zgs only when it still names this game, since the
  ; player may have given it to another program meanwhile.
  DeleteRegKey SHCTX "${CLASSES}\${PROGID}"
  DeleteRegValue SHCTX "${CLASSES}\.zgs\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "${CLASSES}\.zgs\OpenWithProgids"
  ReadRegStr $0 SHCTX "${CLASSES}\.zgs" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue SHCTX "${CLASSES}\.zgs" ""
  ${EndIf}
  DeleteRegKey /ifempty SHCTX "${CLASSES}\.zgs"
  !insertmacro NOTIFY_FILE_TYPES

  DeleteRegKey SHCTX "${APP_KEY}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
