#!/usr/bin/env bash
# Runs Velkorin under Wine from a program folder of its own: Velkorin.exe and the real test.mdb.
# Where this machine runs 32-bit x86 code natively, that is the shipped PE32 (the win32 build) under
# 32-bit Wine; elsewhere it is the 64-bit twin (the win64 build), and one line says why.
# With a display the window just opens. Without one, Xvfb stands in and Wine's own desktop window
# (explorer /desktop) frames the program as a user would see it: the driver clicks "Start Test",
# waits for the run to end and takes a screenshot; the transcript from log.txt and the screenshot's
# path are printed, and the program is closed.
# usage: run-velkorin.sh <build folder holding win64/ and win32/>
#        run-velkorin.sh --native-i386   exits 0 where 32-bit code runs natively, 1 elsewhere
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

# Whether 32-bit code runs here natively, and where not, why (wine32_native).
source "$here/tests/wine/wine32-env.sh"
script=$(realpath "$0")

# Wine draws caption buttons with the Marlett font, which Debian ships in fonts-wine, a package that
# --no-install-recommends leaves out; without it the close button shows a letter. The font is
# taken from that package into the run's folder (before any user namespace, where apt cannot work)
# and given to the run's own prefix only, so the machine and the test prefixes stay as they are.
fetch_marlett() {  # <file>
    local tmp
    [ -f "$1" ] && return 0
    mkdir -p "$(dirname "$1")"
    if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        cp /usr/share/wine/fonts/marlett.ttf "$1"
        return 0
    fi
    tmp=$(mktemp -d)
    if (cd "$tmp" && apt-get download -qq fonts-wine) >/dev/null 2>&1 && dpkg-deb -x "$tmp"/fonts-wine_*.deb "$tmp/x"; then
        cp "$tmp/x/usr/share/wine/fonts/marlett.ttf" "$1"
    else
        echo "No Marlett font for Wine (package fonts-wine): caption buttons show letters."
    fi
    rm -rf "$tmp"
}

if [ "${1:-}" = --native-i386 ]; then
    wine32_native
    exit
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${VELKORIN_UNDER_XVFB:-}" ]; then
    export VELKORIN_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

build=$(realpath "$1")
source "$here/tests/wine/wine-env.sh"
marlett="$build/run/marlett.ttf"
fetch_marlett "$marlett"
# The 32-bit loader, for the PE32: installed before any user namespace, where apt cannot work.
native_why=
if [ -n "${VELKORIN_OWN_BINFMT:-}" ] || wine32_native; then
    [ -f "$build/win32/src/startup/Velkorin.exe" ] || native_why="the win32 build is missing"
    [ -n "$native_why" ] || wine32_install native || native_why="32-bit Wine (wine32:i386) could not be installed"
else
    native_why=$WINE32_NATIVE_WHY
fi
if [ -z "$native_why" ]; then
    # The same script again, where the machine's qemu-i386 entry does not reach.
    if [ -n "$WINE32_OWN_BINFMT" ]; then
        wine32_own_binfmt_exec "$script" "$@"
        exit
    fi
    # The 32-bit loader runs a PE32 in a 64-bit prefix through WoW64.
    exe="$build/win32/src/startup/Velkorin.exe"
    loader=$WINE32
    how=natively
    [ -z "${VELKORIN_OWN_BINFMT:-}" ] ||
        how="natively, in a binfmt_misc of its own (the machine's one hands 32-bit programs to qemu-i386)"
    echo "Running the shipped PE32 (win32 build) under 32-bit Wine, $how."
else
    exe="$build/win64/src/startup/Velkorin.exe"
    loader=$WINE
    echo "Running the 64-bit twin (win64 build), not the shipped PE32: $native_why."
fi
# A 64-bit prefix of the run's own, apart from the tests' prefixes: it runs the twin, and a PE32
# through WoW64. It has only Wine's own components: the real answer for this machine.
wine_prefix_init "$build/run/wineprefix"
fonts="$WINEPREFIX/drive_c/windows/Fonts"
[ ! -f "$marlett" ] || [ -f "$fonts/marlett.ttf" ] || { mkdir -p "$fonts" && cp "$marlett" "$fonts/"; }

folder="$build/run/Velkorin"
rm -rf "$folder"  # a fresh program folder: the transcript below is this run alone
mkdir -p "$folder"
cp "$exe" "$here/tests/fixtures/test.mdb" "$folder/"
windows_folder=$("$WINE" winepath -w "$folder" 2>/dev/null)

if [ -z "${VELKORIN_UNDER_XVFB:-}" ]; then
    echo "Starting $folder/Velkorin.exe"
    "$loader" "$folder/Velkorin.exe"
    exit 0
fi

# No window manager under Xvfb: Wine's own desktop window draws frames, captions and icons.
driver="$build/win64/tests/wine/e2e/velkorin_e2e.exe"
"$WINE" explorer "/desktop=Velkorin,800x600" "$driver" --demo "$windows_folder"
"$WINESERVER" -w
shot="$folder/screenshot.bmp"
[ -f "$shot" ] || { echo "No screenshot: the demo did not end as it should" >&2; exit 1; }
if command -v convert >/dev/null; then
    convert "$shot" "$folder/screenshot.png" && rm -f "$shot" && shot="$folder/screenshot.png"
fi
echo "Screenshot: $shot"
