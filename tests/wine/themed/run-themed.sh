#!/usr/bin/env bash
# Runs the checks of the themed test window under Wine and Xvfb, in the build folder's prefix:
# the form runtime's controls in-process, then themed_window.exe worked from outside. Screenshots
# and subclass reports land in <build-dir>/themed-work.
# usage: run-themed.sh <build-dir> <themed_window.exe> <themed_tests.exe>
set -euo pipefail

if [ -z "${DISPLAY:-}" ] && [ -z "${VELKORIN_THEMED_UNDER_XVFB:-}" ]; then
    export VELKORIN_THEMED_UNDER_XVFB=1
    # 24-bit colour, so the pixel checks see the pictures' colours exactly.
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

build=$(realpath "$1") window=$2 tests=$3
here=$(dirname "$0")
source "$here/../wine-env.sh"
wine_prefix_init "$build/wineprefix"
wine_server_keep

# The window is checked under Wine's own Light visual style; the prefix goes back to the classic
# look that the other tests expect, however this run ends.
trap 'wine_theme none; wine_server_stop' EXIT
wine_theme light

work="$build/themed-work"
rm -rf "$work"
mkdir -p "$work"
export THEMED_WORK THEMED_WINDOW_EXE
THEMED_WORK=$("$WINE" winepath -w "$work" 2>/dev/null)
THEMED_WINDOW_EXE=$("$WINE" winepath -w "$window" 2>/dev/null)

status=0
filter=()
if [ -n "${VELKORIN_PE32_EMULATED:-}" ]; then  # run-pe32.sh: one themed paint, where 32-bit code is emulated
    filter=(--gtest_filter='ThemedWindow.ThemedFacesShowPicturesAndCaptionsWhereTheModulePutsThem')
    echo "Not run under emulation: the other themed and classic faces, the form runtime's checks, the message tables; the 64-bit twin runs them all."
fi
"$WINE" "$tests" "${filter[@]}" "${@:4}" || status=$?
# PNG copies for people, where ImageMagick is there.
if command -v convert >/dev/null; then
    for shot in "$work"/*.bmp; do
        [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" || true
    done
fi
exit $status
