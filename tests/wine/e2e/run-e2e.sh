#!/usr/bin/env bash
# Runs the end-to-end tests of Velkorin.exe under Wine, in the build folder's prefix: first against
# Wine's own components, then with the stand-in components registered machine-wide.
# usage: run-e2e.sh <build-dir> <Velkorin.exe> <velkorin_e2e.exe> <url_recorder.exe> <standin.dll> <fixtures-dir>
set -euo pipefail

if [ -z "${DISPLAY:-}" ] && [ -z "${VELKORIN_E2E_UNDER_XVFB:-}" ]; then
    export VELKORIN_E2E_UNDER_XVFB=1
    # 24-bit colour, so the pixel checks see the colours the program asked for.
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

build=$(realpath "$1") velkorin=$2 driver=$3 recorder=$4 standin=$5 fixtures=$6
# Where 32-bit code is emulated the browser's stand-in may be a 64-bit one (what opens the page is
# the program's, whatever the browser): two 32-bit processes fewer, a minute each.
[ -z "${VELKORIN_PE32_EMULATED:-}" ] || recorder=${VELKORIN_NATIVE_URL_RECORDER:-$recorder}
here=$(dirname "$0")
source "$here/../wine-env.sh"
source "$here/e2e-env.sh"
wine_prefix_init "$build/wineprefix"
wine_server_keep
trap wine_server_stop EXIT

work="$build/e2e-work"
# A fault-matrix row that died half-way may have left its folder immutable: nothing could remove it.
clear_immutable() { [ ! -d "$work" ] || chattr -R -i "$work" >/dev/null 2>&1 || true; }
clear_immutable
rm -rf "$work"
mkdir -p "$work"
standin_place "$standin" "$work/standin"
export E2E_WORK VELKORIN_EXE E2E_FIXTURES
E2E_WORK=$("$WINE" winepath -w "$work" 2>/dev/null)
VELKORIN_EXE=$("$WINE" winepath -w "$velkorin" 2>/dev/null)
E2E_FIXTURES=$("$WINE" winepath -w "$fixtures" 2>/dev/null)

cleanup() {
    clear_immutable
    standin_unregister
    url_recorder_unregister
    wine_server_stop
}
trap cleanup EXIT

url_recorder_register "$recorder"
status=0
# Under emulation (run-pe32.sh), where each 32-bit process is slow: one row of each kind that differs
# in 32 bits: what a screen reader meets (a COM object across processes), one fault row (the log's
# file checks), one planted library.
# The screen reader's row does not depend on the components, so it runs in the stand-in's stage
# there, one driver fewer.
own='WineOwnComponents*' standin='StandIn*:-StandIn/PlantedLibraries.*' planted_rows='StandIn/PlantedLibraries.*'
if [ -n "${VELKORIN_PE32_EMULATED:-}" ]; then
    own= standin='WineOwnComponentsLinks.ScreenReaders*:StandIn/FaultMatrix.*/LogHardLinkToAFileElsewhere'
    planted_rows='StandIn/PlantedLibraries.*/Msimg32Alone'
    echo "Not run under emulation: the window, keyboard, painting, clicks and every other run and planted row; the 64-bit twin runs them all."
fi
standin_unregister
[ -z "$own" ] || "$WINE" "$driver" --gtest_filter="$own" || status=$?
standin_register "$work/standin/standin_components.dll"
"$WINE" "$driver" --gtest_filter="$standin" || status=$?
# Libraries planted beside the program (every searched one of the program's table), with Wine looking
# for them as Windows does (the program's folder first), under Wine's Light style (it paints with
# msimg32). Not version.dll: Wine's own user32 imports it, so a planted one loads before the
# program's first line (Windows' user32 does not).
planted=$(trusted_libraries Search::kSearched '{"version"' | sed 's/\.dll//g; s/ /,/g')
wine_theme light
WINEDLLOVERRIDES="$planted=n,b" "$WINE" "$driver" --gtest_filter="$planted_rows" || status=$?
wine_theme none
exit $status
