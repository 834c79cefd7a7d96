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
# The libraries of the binding tables, planted beside the checks under their names: the first group
# looks for them as Windows does (the program's folder first) and drives every table; a planted
# library that a process loads and keeps leaves a marker beside itself.
# velkorin_beside.dll is no system library: only a bare-name search of the checks' folder finds it.
planted_names="uxtheme.dll comctl32.dll msimg32.dll velkorin_beside.dll"
for name in $planted_names; do cp "$planted" "$app/$name"; done

# One group of checks; a group that fails says so and the next one still runs.
status=0
run_group() {
    "$WINE" "$app/wine_checks.exe" --gtest_filter="$1" "${@:2}" && return
    status=$?
    echo "wine_checks.exe --gtest_filter=$1 ended with exit code $status" >&2
}

standin_unregister
WINEDLLOVERRIDES="uxtheme,comctl32,msimg32=n,b" \
    run_group 'WineOwnComponents.*:Win32Services.*:LibraryRedirection.*:PictureDrawingUnderWine.*:FrmMainUnderWine.*'
for name in $planted_names; do
    if [ -e "$app/$name.loaded" ]; then
        echo "FAILED: the $name planted beside the checks was loaded" >&2
        status=1
    fi
    rm -f "$app/$name"
done
# The subclass procedures under Wine's Light visual style, which a fresh prefix does not have active.
wine_theme light
run_group 'SubclassingUnderWine.*'
run_group 'BeforeStartUp.*' --before-start-up
wine_theme none
standin_register "$build/wine-app/standin/standin_components.dll"
run_group 'StandInComponents.*'
standin_unregister
exit $status
