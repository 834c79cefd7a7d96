# Shared by the scripts that run our programs under Wine (sourced, not run).

# No step fails without a word: under `set -e` a failing command would end the script silently, so
# every such failure (in functions and command substitutions too) names the command, its exit code
# and where it stood, outermost call first.
wine_step_failed() {
    local status=$1 command=$2 i where=
    [ "$BASH_SUBSHELL" -eq 0 ] || return 0  # the command substitution's caller reports it
    for ((i = ${#BASH_SOURCE[@]} - 1; i >= 1; i--)); do
        where+="${where:+ > }${BASH_SOURCE[i]##*/}:${BASH_LINENO[i - 1]}"
        [ "${FUNCNAME[i]}" = main ] || where+=" (${FUNCNAME[i]})"
    done
    # A function that failed shows as its own last command: the call as written says more.
    case $command in return*) command=$(sed -n "${BASH_LINENO[0]}s/^ *//p" "${BASH_SOURCE[1]}") ;; esac
    echo "FAILED with exit code $status at $where: $command" >&2
}
set -E
trap 'wine_step_failed $? "$BASH_COMMAND"' ERR

export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
# No Mono or Gecko installer dialogs while a prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
[ -x "$WINE" ] || WINE=$(command -v wine64 || command -v wine)
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver64 || command -v wineserver)

# Wine's own ADO, registered again when the stand-in goes, and the registry view that the COM
# classes of the programs under test are read from (a 32-bit program's has /reg:32).
WINE_ADO='C:\Program Files\Common Files\System\ADO\msado15.dll'
WINE_CLASSES_VIEW=()

readonly STANDIN_CLASSES=(
    "{00000100-0000-0010-8000-00AA006D2EA4}"  # DAO DBEngine
    "{00000514-0000-0010-8000-00AA006D2EA4}"  # ADO Connection
    "{00000535-0000-0010-8000-00AA006D2EA4}"  # ADO Recordset
)

# The registry tool, quiet while it works; when it fails, what it said and its exit code.
# A reg that ends without a word (seen once, in the PE32's end-to-end run on a loaded machine)
# is tried once more.
wine_reg() {
    local out status=0
    out=$("$WINE" reg "$@" 2>&1) || status=$?
    if [ $status -ne 0 ] && [ -z "$out" ]; then
        echo "reg $* ended with exit code $status and no word; trying it once more" >&2
        status=0
        out=$("$WINE" reg "$@" 2>&1) || status=$?
    fi
    [ $status -eq 0 ] ||
        echo "reg $* failed with exit code $status: ${out:-no output, the process ended before reg said anything}" |
        tr -d '\r' >&2
    return $status
}

# One wineserver for the whole run, kept until wine_server_stop. Left to itself, the server of a
# prefix begins to shut down the moment its last program ends: it tells Wine's own processes to
# go and exits a few seconds later, and a program started in that moment (the next step's reg, the
# next group of checks) joins the server that is going away and dies with it, with exit code 1 and
# no message. Each script starts its server here, so no step ever starts during a shutdown.
wine_server_keep() {
    "$WINESERVER" -k >/dev/null 2>&1 || true  # one left behind by a run that was killed
    "$WINESERVER" -w
    "$WINESERVER" -p </dev/null >/dev/null 2>&1  # persistent: it stays until it is told to go
    # Wine's own processes (services, the desktop) start with the first program and live as long as
    # the server: started here with no output of ours, they hold no pipe that a later $(...) waits on.
    "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
}

# Ends the run's wineserver and waits until it has gone (and saved the registry).
wine_server_stop() {
    "$WINESERVER" -k >/dev/null 2>&1 || true
    "$WINESERVER" -w || true
}

# Makes the prefix once. One maker at a time: `make test` makes it ahead, beside the builds, and a
# check that starts meanwhile waits for it.
wine_prefix_init() {
    export WINEPREFIX=$1
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            "$WINE" wineboot --init >/dev/null 2>&1
            wine_no_crash_dialog
            "$WINESERVER" -w
        fi
    ) 9>"$WINEPREFIX/.making"
}

# A program of $WINEPREFIX that crashes ends there instead of waiting behind Wine's crash dialog,
# which no one here closes: what waits for its window fails at once rather than at its deadline.
wine_no_crash_dialog() { wine_reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f; }

# Machine-wide registration: Wine's own msado15 is registered there too, and only HKLM wins over it.
# Lays the stand-in components out in a folder of their own with the file engine that they import
# from their folder (standin_jet.dll, built beside them).
standin_place() {
    mkdir -p "$2"
    cp "$1" "$(dirname "$1")/standin_jet.dll" "$2/"
}

standin_register() {
    local dll
    dll=$("$WINE" winepath -w "$1" 2>/dev/null)
    for clsid in "${STANDIN_CLASSES[@]}"; do
        wine_reg add "HKLM\\Software\\Classes\\CLSID\\$clsid\\InprocServer32" /ve /d "$dll" /f "${WINE_CLASSES_VIEW[@]}"
        wine_reg add "HKLM\\Software\\Classes\\CLSID\\$clsid\\InprocServer32" /v ThreadingModel /d Apartment /f \
            "${WINE_CLASSES_VIEW[@]}"
    done
}

# Back to Wine's own components: its ADO registration is restored from its own DLL.
standin_unregister() {
    for clsid in "${STANDIN_CLASSES[@]}"; do
        "$WINE" reg delete "HKLM\\Software\\Classes\\CLSID\\$clsid" /f "${WINE_CLASSES_VIEW[@]}" >/dev/null 2>&1 || true
    done
    "$WINE" regsvr32 /s "$WINE_ADO" >/dev/null 2>&1 || true
}

# Switches the prefix's visual style: "light" makes Wine's own Light theme the active one for the
# programs started afterwards, "none" goes back to the classic look a fresh prefix has.
wine_theme() {
    local key='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
    if [ "$1" = light ]; then
        wine_reg add "$key" /v ThemeActive /t REG_SZ /d 1 /f
        wine_reg add "$key" /v DllName /t REG_SZ /d 'C:\windows\resources\themes\light\light.msstyles' /f
        wine_reg add "$key" /v ColorName /t REG_SZ /d Blue /f
        wine_reg add "$key" /v SizeName /t REG_SZ /d NormalSize /f
    else
        wine_reg add "$key" /v ThemeActive /t REG_SZ /d 0 /f
    fi
}

# The PE32 and the 32-bit test programs (run-pe32.sh made the prefix): Wine's 64-bit loader starts
# them through WoW64 in a 64-bit prefix, and Wine reports Windows XP, as in the short session. The
# helpers (reg, winepath, regsvr32) stay 64-bit, natively fast where 32-bit code is emulated; the
# stand-in is registered in the 32-bit view, where a 32-bit COM client looks for its classes.
if [ -n "${VELKORIN_PE32_PREFIX:-}" ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/wine32-env.sh"
    WINE_ADO='C:\Program Files (x86)\Common Files\System\ADO\msado15.dll'
    WINE_CLASSES_VIEW=(/reg:32)
    wine_prefix_init() {
        _wine32_env "$VELKORIN_PE32_PREFIX" win64
        wine32_windows_version winxp
        wine_no_crash_dialog
        "$WINESERVER" -w
    }
fi

# The file names of the trusted libraries whose rows in the program's own table
# (src/runtime/win32/LibraryPolicy.h) match a pattern and not a second one: what the checks plant.
trusted_libraries() {  # <pattern> [<pattern to leave out>]
    local names
    names=$(grep -- "$1" "$(dirname "${BASH_SOURCE[0]}")/../../src/runtime/win32/LibraryPolicy.h" |
        { [ -n "${2:-}" ] && grep -v -- "$2" || cat; } |
        sed -n 's/^ *{"\([a-z0-9]*\)\(\.dll\)\{0,1\}".*/\1.dll/p')
    [ -n "$names" ] || { echo "trusted_libraries: no row matches $1" >&2; return 1; }
    echo $names
}
