#!/usr/bin/env bash
# Runs the Windows checks under Wine, in a prefix of their own under the build folder.
# First against Wine's own components, then with the stand-in components registered machine-wide.
# usage: run-wine-checks.sh <build-dir> <wine_checks.exe> <standin_components.dll> <fixtures-dir> <planted_library.dll>
set -euo pipefail

if [ -z "${DISPLAY:-}" ] && [ -z "${VELKORIN_UNDER_XVFB:-}" ]; then
    export VELKORIN_UNDER_XVFB=1
    exec xvfb-run -a "$0" "$@"
fi

build=$(realpath "$1") exe=$2 standin=$3 fixtures=$4 planted=$5
source "$(dirname "$0")/wine-env.sh"
wine_prefix_init "$build/wineprefix"
wine_server_keep
trap wine_server_stop EXIT

# The program folder of the checks: its name holds characters the ANSI code page cannot.
app="$build/wine-app/Velkorin Prüfung 日本"
rm -rf "$build/wine-app"
mkdir -p "$app/fixtures"
cp "$exe" "$app/wine_checks.exe"
cp "$fixtures"/*.mdb "$app/fixtures/"
standin_place "$standin" "$build/wine-app/standin"
# The searched libraries that the program's own calls ask for, planted beside the checks under their
# names: the first group looks for them as Windows does (the program's folder first) and drives
# every table; a planted library that a process loads and keeps leaves a marker beside itself.
# velkorin_beside.dll is no system library: only a bare-name search of the checks' folder finds it.
planted_names="$(trusted_libraries Search::kSearched kWithoutSearchSetting) velkorin_beside.dll"
for name in $planted_names; do cp "$planted" "$app/$name"; done

# One group of checks; a group that fails says so and the next one still runs.
status=0
run_group() {
    "$WINE" "$app/wine_checks.exe" --gtest_filter="$1" "${@:2}" && return
    status=$?
    echo "wine_checks.exe --gtest_filter=$1 ended with exit code $status" >&2
}

standin_unregister
first_group='WineOwnComponents.*:Win32Services.*:LibraryRedirection.*:PictureDrawingUnderWine.*:FrmMainUnderWine.*'
# Under emulation (run-pe32.sh), where each 32-bit process is slow: the binding tables' group only,
# which holds what differs in 32 bits (every function bound by name with its calling convention).
[ -z "${VELKORIN_PE32_EMULATED:-}" ] ||
    first_group='Win32Services.TrustedLibraries*:Win32Services.Libraries*:Win32Services.Unbound*:LibraryRedirection.*'
WINEDLLOVERRIDES="$(sed 's/\.dll//g; s/ /,/g' <<<"${planted_names% *}")=n,b" run_group "$first_group"
for name in $planted_names; do
    if [ -e "$app/$name.loaded" ]; then
        echo "FAILED: the $name planted beside the checks was loaded" >&2
        status=1
    fi
    rm -f "$app/$name"
done
if [ -n "${VELKORIN_PE32_EMULATED:-}" ]; then
    echo "Not run under emulation: Wine's own components, the log and the program folder, pictures, FrmMain in-process, the subclass procedures, the stand-in; the 64-bit twin runs them all."
    exit $status
fi
# The subclass procedures under Wine's Light visual style, which a fresh prefix does not have active.
wine_theme light
run_group 'SubclassingUnderWine.*'
run_group 'BeforeStartUp.*' --before-start-up
wine_theme none
standin_register "$build/wine-app/standin/standin_components.dll"
run_group 'StandInComponents.*'
standin_unregister
exit $status
