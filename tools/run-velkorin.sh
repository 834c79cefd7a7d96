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

# Whether a 32-bit x86 program runs here without emulation. A tiny static i386 program (one
# nanosleep, then exit) is started, and the kernel's record of the running process says who runs
# it: /proc/<pid>/exe is the program itself when the kernel runs it, and qemu when a qemu-i386
# entry of binfmt_misc took it over (the program would run then too, so running alone proves
# nothing). Where only that entry stands between the kernel and 32-bit programs, the run can go
# on in a user namespace with a binfmt_misc of its own (Linux 6.7 and later), which has no such
# entry; the machine's entry stays as it is. Where the answer is no, native_why says why.
native_why=
own_binfmt=
script=$(realpath "$0")
own_binfmt_exec() {  # command... : runs it in a user namespace with an empty binfmt_misc
    VELKORIN_OWN_BINFMT=1 unshare --user --map-root-user --mount \
        sh -c 'mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc && exec "$@"' sh "$@"
}
probe_i386() {  # <program> -> prints native, emulated or refused
    local pid exe shell i
    shell=$(readlink /proc/$$/exe)
    "$1" 2>/dev/null &
    pid=$!
    for ((i = 0; i < 500; i++)); do
        exe=$(readlink "/proc/$pid/exe" 2>/dev/null) || break  # gone: the kernel refused it
        [ "$exe" = "$shell" ] || break                         # still the shell before its exec
        sleep 0.01
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    case ${exe:-} in "$(realpath "$1")") echo native ;; *qemu*) echo emulated ;; *) echo refused ;; esac
}
native_i386() {
    local dir answer
    dir=$(mktemp -d)
    printf '%s\n' '.globl _start' '_start: movl $162, %eax' 'movl $ts, %ebx' 'xorl %ecx, %ecx' \
        'int $0x80' 'movl $1, %eax' 'xorl %ebx, %ebx' 'int $0x80' '.data' 'ts: .long 10, 0' >"$dir/probe.s"
    if ! as --32 -o "$dir/probe.o" "$dir/probe.s" 2>/dev/null || ! ld -m elf_i386 -o "$dir/probe" "$dir/probe.o" 2>/dev/null; then
        native_why="the host's binutils cannot make an i386 program to find out"
        answer=unknown
    else
        answer=$(probe_i386 "$dir/probe")
        if [ "$answer" = emulated ]; then
            # Would the kernel itself run it? binfmt_misc's qemu entry wants zero padding in the ELF
            # identification, which the kernel's own loader ignores: a copy with a padding byte set
            # reaches the kernel.
            cp "$dir/probe" "$dir/padded" && printf '\001' | dd of="$dir/padded" bs=1 seek=9 conv=notrunc 2>/dev/null
            if [ "$(probe_i386 "$dir/padded")" != native ]; then
                native_why="32-bit programs run here only under emulation (qemu-i386)"
            elif [ -z "${VELKORIN_OWN_BINFMT:-}" ] && own_binfmt_exec "$script" --native-i386 2>/dev/null; then
                answer=native own_binfmt=1
            else
                native_why="binfmt_misc hands 32-bit programs to qemu-i386 here, though this kernel runs them itself with that entry off (echo 0 > /proc/sys/fs/binfmt_misc/qemu-i386)"
            fi
        elif [ "$answer" = refused ]; then
            native_why="this kernel runs no 32-bit programs (Exec format error)"
        fi
    fi
    rm -rf "$dir"
    [ "$answer" = native ]
}

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
    native_i386
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
# The 32-bit loader, for the PE32 (not wine32-env.sh's set-up: that hands 32-bit programs to qemu).
wine32_ready() {
    [ -x /usr/lib/wine/wine ] && return 0
    echo "Installing the 32-bit Wine loader (wine32:i386)."
    { grep -qx i386 <(dpkg --print-foreign-architectures) || dpkg --add-architecture i386; } &&
        apt-get update -qq </dev/null &&
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "wine32:i386=$(dpkg-query -W -f='${Version}' wine64)" </dev/null >/dev/null &&
        [ -x /usr/lib/wine/wine ] || { native_why="32-bit Wine (wine32:i386) could not be installed"; return 1; }
}

if native_i386 && [ -f "$build/win32/src/startup/Velkorin.exe" ] && wine32_ready; then
    # The same script again, where the machine's qemu-i386 entry does not reach.
    if [ -n "$own_binfmt" ]; then
        own_binfmt_exec "$script" "$@"
        exit
    fi
    # The 32-bit loader runs a PE32 in a 64-bit prefix through WoW64.
    exe="$build/win32/src/startup/Velkorin.exe"
    loader=/usr/lib/wine/wine
    how=natively
    [ -z "${VELKORIN_OWN_BINFMT:-}" ] ||
        how="natively, in a binfmt_misc of its own (the machine's one hands 32-bit programs to qemu-i386)"
    echo "Running the shipped PE32 (win32 build) under 32-bit Wine, $how."
else
    [ -n "$native_why" ] || native_why="the win32 build is missing"
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
