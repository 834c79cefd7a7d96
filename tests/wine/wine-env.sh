# Shared by the scripts that run our programs under Wine (sourced, not run).
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
# No Mono or Gecko installer dialogs while a prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=$(command -v wine64 || command -v wine)
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver64 || command -v wineserver)

readonly STANDIN_CLASSES=(
    "{00000100-0000-0010-8000-00AA006D2EA4}"  # DAO DBEngine
    "{00000514-0000-0010-8000-00AA006D2EA4}"  # ADO Connection
    "{00000535-0000-0010-8000-00AA006D2EA4}"  # ADO Recordset
)

wine_prefix_init() {
    export WINEPREFIX=$1
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        "$WINE" wineboot --init >/dev/null 2>&1
        "$WINESERVER" -w
    fi
}

# Machine-wide registration: Wine's own msado15 is registered there too, and only HKLM wins over it.
standin_register() {
    local dll
    dll=$("$WINE" winepath -w "$1" 2>/dev/null)
    for clsid in "${STANDIN_CLASSES[@]}"; do
        "$WINE" reg add "HKLM\\Software\\Classes\\CLSID\\$clsid\\InprocServer32" /ve /d "$dll" /f >/dev/null 2>&1
        "$WINE" reg add "HKLM\\Software\\Classes\\CLSID\\$clsid\\InprocServer32" /v ThreadingModel /d Apartment /f >/dev/null 2>&1
    done
}

# Back to Wine's own components: its ADO registration is restored from its own DLL.
standin_unregister() {
    for clsid in "${STANDIN_CLASSES[@]}"; do
        "$WINE" reg delete "HKLM\\Software\\Classes\\CLSID\\$clsid" /f >/dev/null 2>&1 || true
    done
    "$WINE" regsvr32 /s "C:\\Program Files\\Common Files\\System\\ADO\\msado15.dll" >/dev/null 2>&1 || true
}

# Switches the prefix's visual style: "light" makes Wine's own Light theme the active one for the
# programs started afterwards, "none" goes back to the classic look a fresh prefix has.
wine_theme() {
    local key='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
    if [ "$1" = light ]; then
        "$WINE" reg add "$key" /v ThemeActive /t REG_SZ /d 1 /f >/dev/null 2>&1
        "$WINE" reg add "$key" /v DllName /t REG_SZ /d 'C:\windows\resources\themes\light\light.msstyles' /f >/dev/null 2>&1
        "$WINE" reg add "$key" /v ColorName /t REG_SZ /d Blue /f >/dev/null 2>&1
        "$WINE" reg add "$key" /v SizeName /t REG_SZ /d NormalSize /f >/dev/null 2>&1
    else
        "$WINE" reg add "$key" /v ThemeActive /t REG_SZ /d 0 /f >/dev/null 2>&1
    fi
}
