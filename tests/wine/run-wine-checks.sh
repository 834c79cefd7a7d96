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

# The program folder of the checks: its name holds characters the ANSI code page cannot.
app="$build/wine-app/Velkorin Prüfung 日本"
rm -rf "$build/wine-app"
mkdir -p "$app/fixtures"
cp "$exe" "$app/wine_checks.exe"
cp "$fixtures"/*.mdb "$app/fixtures/"
cp "$standin" "$build/wine-app/standin_components.dll"
# msimg32, which FrmMain never calls and the pictures checks do, planted beside the checks under its
# name; the first group looks for it as Windows does (the program's folder first), and it leaves a
# marker if it is ever loaded. (uxtheme and comctl32 are planted beside Velkorin.exe end to end:
# Wine's own user32 loads uxtheme by bare name as this console program starts.)
cp "$planted" "$app/msimg32.dll"

status=0
standin_unregister
WINEDLLOVERRIDES="msimg32=n,b" "$WINE" "$app/wine_checks.exe" \
    --gtest_filter='WineOwnComponents.*:Win32Services.*:PictureDrawingUnderWine.*:FrmMainUnderWine.*' || status=$?
if [ -e "$app/msimg32.dll.loaded" ]; then
    echo "FAILED: the msimg32.dll planted beside the checks was loaded" >&2
    status=1
fi
rm -f "$app/msimg32.dll"
# The subclass procedures under Wine's Light visual style, which a fresh prefix does not have active.
wine_theme light
"$WINE" "$app/wine_checks.exe" --gtest_filter='SubclassingUnderWine.*' || status=$?
wine_theme none
standin_register "$build/wine-app/standin_components.dll"
"$WINE" "$app/wine_checks.exe" --gtest_filter='StandInComponents.*' || status=$?
standin_unregister
"$WINESERVER" -w || true
exit $status
