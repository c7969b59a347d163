; TarvexSetup.exe: installs Tarvex, Cravel, Glintra, Quillet and the help file, registers both
; shell extensions and the archive file type, and writes the uninstaller with its entry in
; Add/Remove Programs. Both run silently with /S.
;
; The build passes: VERSION (major.minor.patch), TARVEX_EXE, CRAVEL_DLL, GLINTRA_DLL,
; QUILLET_EXE, HELP_FILE, ICON, FILE_TYPE_SCRIPT (the generated file-type macros) and OUTFILE.
; The x64 setup also gets X64, CRAVEL32_DLL and GLINTRA32_DLL: 64-bit Explorer loads only the
; x64 extensions, and 32-bit programs' file dialogs only the 32-bit ones, installed beside them.

!ifdef X64
    Target amd64-unicode
!else
    Unicode true
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include FileFunc.nsh
!include Library.nsh
!include LogicLib.nsh
!include MUI2.nsh
!include "${FILE_TYPE_SCRIPT}"

!define PUBLISHER "Stonemere Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvex"
!define UNINSTALLER "Uninstall.exe"
!define START_MENU_FOLDER "$SMPROGRAMS\Tarvex"
!define HELP_FILE_NAME "Tarvex Studio.chm"
; Glintra's class and the info-tip handler key its registration keeps on removal.
!define GLINTRA_CLSID "{5DCED9AF-C2EC-4BD3-AF2A-F51D6B18FC7C}"
!define DTX_INFO_TIP_KEY ".dtx\shellex\{00021500-0000-0000-C000-000000000046}"
!ifdef X64
    ; Cravel's class and the key of the shell's approved extensions.
    !define CRAVEL_CLSID "{F9411A21-2B30-4B62-869E-FAFECA394FB3}"
    !define APPROVED_KEY "Software\Microsoft\Windows\CurrentVersion\Shell Extensions\Approved"
!endif

Name "Tarvex"
Caption "Tarvex ${VERSION} Setup"
OutFile "${OUTFILE}"
!ifdef X64
    InstallDir "$PROGRAMFILES64\Tarvex"
!else
    InstallDir "$PROGRAMFILES\Tarvex"
!endif
; Installing again goes over the copy that is there.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PUBLISHER}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "Tarvex Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "InternalName" "TarvexSetup"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${PUBLISHER}"
VIAddVersionKey "OriginalFilename" "${OUTFILE_NAME}"
VIAddVersionKey "ProductName" "Tarvex"
VIAddVersionKey "ProductVersion" "${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tarvex.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Tarvex"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; Asks for the restart when a file in use goes only then.
!insertmacro MUI_UNPAGE_FINISH
!insertmacro MUI_LANGUAGE "English"

; The setup's own files replace whatever copy is there, older or not; a file in use (a DLL
; that Explorer holds) is replaced, and registered, at the next restart.
!define LIBRARY_IGNORE_VERSION
!define LIBRARY_SHELL_EXTENSION
!define LIBRARY_COM

Var restartBefore
Var failures

; TYPE is DLL for a plain file, REGDLL for a COM server registered by its DllRegisterServer.
!macro InstallTarvexFile TYPE SOURCE NAME
    ; The reboot flag tells one file's restart from a failure: keep what came before.
    ${If} ${RebootFlag}
        StrCpy $restartBefore 1
    ${EndIf}
    SetRebootFlag false
    ClearErrors
    !insertmacro InstallLib ${TYPE} NOTSHARED REBOOT_NOTPROTECTED "${SOURCE}" \
        "$INSTDIR\${NAME}" "$INSTDIR"
    ${If} ${Errors}
    ${AndIfNot} ${RebootFlag}
        DetailPrint "${NAME} could not be installed or registered."
        StrCpy $failures "$failures$\r$\n${NAME}"
    ${EndIf}
!macroend

!ifdef X64
; A 32-bit extension is registered by the 32-bit regsvr32. Where 32-bit programs cannot run,
; none can load it either: it stays unregistered, which is no failure.
!macro Register32BitExtension NAME
    ClearErrors
    ExecWait '"$WINDIR\SysWOW64\regsvr32.exe" /s "$INSTDIR\${NAME}"' $0
    ${If} ${Errors}
        DetailPrint "${NAME} is not registered: 32-bit programs cannot run on this computer."
    ${ElseIf} $0 != 0
        DetailPrint "${NAME} could not be registered."
        StrCpy $failures "$failures$\r$\n${NAME}"
    ${EndIf}
!macroend

!macro Remove32BitExtension NAME
    ExecWait '"$WINDIR\SysWOW64\regsvr32.exe" /s /u "$INSTDIR\${NAME}"'
    Delete /REBOOTOK "$INSTDIR\${NAME}"
!macroend
!endif

!macro WriteFileTypeValue KEY VALUE
    WriteRegStr HKCR "${KEY}" "" "${VALUE}"
!macroend

Section "Tarvex"
    SectionIn RO
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    StrCpy $restartBefore 0
    StrCpy $failures ""

    !insertmacro InstallTarvexFile DLL "${TARVEX_EXE}" "Tarvex.exe"
    !insertmacro InstallTarvexFile DLL "${QUILLET_EXE}" "Quillet.exe"
    !insertmacro InstallTarvexFile DLL "${HELP_FILE}" "${HELP_FILE_NAME}"
    !insertmacro InstallTarvexFile REGDLL "${CRAVEL_DLL}" "Cravel.dll"
    !insertmacro InstallTarvexFile REGDLL "${GLINTRA_DLL}" "Glintra.dll"
!ifdef X64
    !insertmacro InstallTarvexFile DLL "${CRAVEL32_DLL}" "Cravel32.dll"
    !insertmacro InstallTarvexFile DLL "${GLINTRA32_DLL}" "Glintra32.dll"
    ; A copy held until the restart has the same path: registering it now names the new one.
    !insertmacro Register32BitExtension "Cravel32.dll"
    !insertmacro Register32BitExtension "Glintra32.dll"
!endif
    ${If} $restartBefore == 1
        SetRebootFlag true
    ${EndIf}

    ; Explorer shows archives as Tarvex's before its first start.
    !insertmacro TarvexFileTypeValues WriteFileTypeValue

    CreateDirectory "${START_MENU_FOLDER}"
    CreateShortcut "${START_MENU_FOLDER}\Tarvex.lnk" "$INSTDIR\Tarvex.exe"
    CreateShortcut "${START_MENU_FOLDER}\Quillet.lnk" "$INSTDIR\Quillet.exe"
    CreateShortcut "${START_MENU_FOLDER}\Tarvex Help.lnk" "$INSTDIR\${HELP_FILE_NAME}"

    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tarvex"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tarvex.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\${UNINSTALLER}$\""
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" \
        "$\"$INSTDIR\${UNINSTALLER}$\" /S"
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

    System::Call "shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)"

    ${If} $failures != ""
        MessageBox MB_OK|MB_ICONEXCLAMATION \
            "Setup could not install or register:$failures" /SD IDOK
        SetErrorLevel 2
    ${EndIf}
SectionEnd

; The file type's values go where they are still Tarvex's, from the machine's classes and from
; the user's (where Tarvex writes them when it may not write the machine's).
Function un.RemoveValueIfOurs
    Exch $0  ; key below the classes
    Exch
    Exch $1  ; the value Tarvex writes
    Push $2
    ReadRegStr $2 HKLM "Software\Classes\$0" ""
    ${If} $2 == $1
        DeleteRegValue HKLM "Software\Classes\$0" ""
    ${EndIf}
    ReadRegStr $2 HKCU "Software\Classes\$0" ""
    ${If} $2 == $1
        DeleteRegValue HKCU "Software\Classes\$0" ""
    ${EndIf}
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

Function un.RemoveKeyIfEmpty
    Exch $0
    DeleteRegKey /ifempty HKLM "Software\Classes\$0"
    DeleteRegKey /ifempty HKCU "Software\Classes\$0"
    Pop $0
FunctionEnd

!macro RemoveFileTypeValueIfOurs KEY VALUE
    Push "${VALUE}"
    Push "${KEY}"
    Call un.RemoveValueIfOurs
!macroend

!macro RemoveFileTypeKeyIfEmpty KEY
    Push "${KEY}"
    Call un.RemoveKeyIfEmpty
!macroend

!macro RemoveTarvexFile NAME
    !insertmacro UnInstallLib DLL NOTSHARED REBOOT_NOTPROTECTED "$INSTDIR\${NAME}"
!macroend

Section "Uninstall"
    SetShellVarContext all

    !insertmacro UnInstallLib REGDLL NOTSHARED REBOOT_NOTPROTECTED "$INSTDIR\Cravel.dll"
    !insertmacro UnInstallLib REGDLL NOTSHARED REBOOT_NOTPROTECTED "$INSTDIR\Glintra.dll"
!ifdef X64
    !insertmacro Remove32BitExtension "Cravel32.dll"
    !insertmacro Remove32BitExtension "Glintra32.dll"
    ; Both copies share Cravel's handler keys, which go with the first copy's removal; the
    ; second then stops at the missing key, before its approval value: it goes here.
    SetRegView 32
    DeleteRegValue HKLM "${APPROVED_KEY}" "${CRAVEL_CLSID}"
    SetRegView 64
    DeleteRegValue HKLM "${APPROVED_KEY}" "${CRAVEL_CLSID}"
!endif
    ; Glintra's removal keeps .dtx and its info-tip handler, which other programs may share:
    ; they go too while they are Glintra's alone.
    ReadRegStr $0 HKCR "${DTX_INFO_TIP_KEY}" ""
    ${If} $0 == "${GLINTRA_CLSID}"
        DeleteRegValue HKCR "${DTX_INFO_TIP_KEY}" ""
        DeleteRegKey /ifempty HKCR "${DTX_INFO_TIP_KEY}"
    ${EndIf}
    DeleteRegKey /ifempty HKCR ".dtx\shellex"
    DeleteRegKey /ifempty HKCR ".dtx"

    !insertmacro RemoveTarvexFile "Tarvex.exe"
    !insertmacro RemoveTarvexFile "Quillet.exe"
    !insertmacro RemoveTarvexFile "${HELP_FILE_NAME}"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Only when empty: files the user put there stay.
    RMDir /REBOOTOK "$INSTDIR"

    !insertmacro TarvexFileTypeValues RemoveFileTypeValueIfOurs
    !insertmacro TarvexFileTypeKeysDeepestFirst RemoveFileTypeKeyIfEmpty

    Delete "${START_MENU_FOLDER}\Tarvex.lnk"
    Delete "${START_MENU_FOLDER}\Quillet.lnk"
    Delete "${START_MENU_FOLDER}\Tarvex Help.lnk"
    RMDir "${START_MENU_FOLDER}"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    System::Call "shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)"
SectionEnd
