#!/usr/bin/env bash
# Runs Velkorin under Wine from a program folder of its own: Velkorin.exe and the real test.mdb.
# With a display the window just opens. Without one, Xvfb stands in: the driver clicks "Start Test",
# waits for the run to end, prints the transcript from log.txt and a screenshot's path, and closes.
# usage: run-velkorin.sh <win64 build folder>
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "$1")

if [ -z "${DISPLAY:-}" ] && [ -z "${VELKORIN_UNDER_XVFB:-}" ]; then
    export VELKORIN_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

source "$here/tests/wine/wine-env.sh"
wine_prefix_init "$build/wineprefix"
standin_unregister  # the machine's own components: the real answer for this machine

folder="$build/run/Velkorin"
mkdir -p "$folder"
cp "$build/src/startup/Velkorin.exe" "$folder/"
cp "$here/tests/fixtures/test.mdb" "$folder/"
rm -f "$folder/log.txt"  # a fresh program folder: the transcript below is this run alone
windows_folder=$("$WINE" winepath -w "$folder" 2>/dev/null)

if [ -z "${VELKORIN_UNDER_XVFB:-}" ]; then
    echo "Starting $folder/Velkorin.exe"
    "$WINE" "$folder/Velkorin.exe"
    exit 0
fi

"$WINE" "$build/tests/wine/e2e/velkorin_e2e.exe" --demo "$windows_folder"
shot="$folder/screenshot.bmp"
if [ -f "$shot" ] && command -v convert >/dev/null; then
    convert "$shot" "$folder/screenshot.png" && rm -f "$shot" && shot="$folder/screenshot.png"
fi
echo "Screenshot: $shot"
