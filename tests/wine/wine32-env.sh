# Runs 32-bit Windows programs here (sourced, not run): natively where this machine runs
# 32-bit x86 code itself (wine32_native), else under emulation.
#
# Where the kernel runs no 32-bit Linux process ("Exec format error"), the 32-bit Wine
# loader runs under qemu-i386-static, registered with binfmt_misc:
#   dpkg --add-architecture i386 && apt-get update
#   apt-get install --no-install-recommends wine wine64 wine32:i386 qemu-user-static xvfb xauth
#   mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
#   printf '%s' "$WINE32_BINFMT" > /proc/sys/fs/binfmt_misc/register
# Measured on this 2-core machine (with another Wine suite often running beside it):
#   - wine32_install: 31 s; 107 new packages (106 of them i386), about 1.07 GiB installed
#     (i386 libraries 0.7 GiB, qemu-user-static 0.37 GiB) and 0.2 GiB of .deb files left in
#     apt's cache. It also upgrades amd64 libraries whose i386 twin is newer (libssl3,
#     libsystemd0, ...). With nothing missing it takes 0.1 s.
#   - Every 32-bit process spends about 60 s of CPU before main(): with no preloader, Wine
#     probes the address space with MAP_FIXED_NOREPLACE, which qemu does not honour, and
#     makes about 65,000 mmap/munmap calls. qemu 10 (bookworm-backports) does the same.
#   - qemu leaves the trap number out of the signal context: Wine logs
#     "segv_handler Got unexpected trap -1" and raises c000001d (illegal instruction) for
#     what were page faults; some of Wine's own 32-bit processes die with
#     "qemu: uncaught target signal 11 (Segmentation fault) - core dumped". Small programs
#     run; one that relies on guard pages or catches access violations may not.
#   - 32-bit prefix (wine32_prefix_init): 9 to 13 min to make (519 s and 772 s). The
#     first process gives up on wineboot after 5 min ("boot event wait timed out", then
#     "could not load kernel32.dll, status c0000135", exit code 53) while wineboot goes on,
#     and once the emulated services.exe has died, explorer.exe and winedevice.exe may hang,
#     so that "wineserver -w" never returns. Every start with no wineserver running waits
#     the 5 min again: a window came up 373 to 610 s after start, a 32-bit helper that posted
#     WM_CLOSE took 62 to 69 s, the program left 2 s later; a console program took 420 s, or
#     124 s with the wineserver still running.
#   - 64-bit prefix (wine32_wow64_prefix_init), where the PE32 runs through WoW64: 131 to
#     149 s to make (15 s when 32-bit ELFs cannot run: wineboot also sets up the 32-bit side
#     under qemu, so any new 64-bit prefix is that slow once this is installed). Wine's own
#     processes are native, so no 5-min wait: a window came up 66 s after start, a 64-bit
#     helper ("$WINE32_WINE64" helper64.exe) found it and posted WM_CLOSE at once, and the
#     program left 2 s later; a console program takes 60 to 65 s. This is the better choice.
#   - Exit codes come through in both (3 from a console program, 5 from a GUI one).
#   - With Version=winxp (wine32_windows_version), GetVersionEx gives 5.1 build 2600, Service
#     Pack 3, to a PE32 and to a 64-bit program alike. The whole smoke run with it took 4 min 44 s,
#     the new 64-bit prefix included.
#   - wine64 still runs 64-bit programs as before.
# Beware: wine-env.sh sets WINEARCH=win64; the functions below set WINEARCH again.

WINE32_PACKAGES=(wine wine64 wine32:i386 xvfb xauth)
# Only where 32-bit programs need emulating.
WINE32_EMULATOR_PACKAGES=(qemu-user-static)
# The 32-bit loader from wine32:i386 (what /usr/bin/wine picks too). It runs a PE32 in a
# 32-bit prefix and, through WoW64, in a 64-bit one.
WINE32=/usr/lib/wine/wine
# The 64-bit loader, for the 64-bit prefix and for helpers that are 64-bit programs.
WINE32_WINE64=/usr/lib/wine/wine64
# /usr/bin/wineserver runs the native 64-bit server, which serves 32-bit clients too.
WINE32_SERVER=/usr/bin/wineserver
WINE32_BINFMT=':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:FP'

_wine32_err() { echo "$*" >&2; }
_wine32_env_file=$(realpath "${BASH_SOURCE[0]}")

# Whether a 32-bit x86 program runs here without emulation. A tiny static i386 program (one
# nanosleep, then exit) is started, and the kernel's record of the running process says who runs
# it: /proc/<pid>/exe is the program itself when the kernel runs it, and qemu when a qemu-i386
# entry of binfmt_misc took it over (the program would run then too, so running alone proves
# nothing). Where only that entry stands between the kernel and 32-bit programs, they can run in
# a user namespace with a binfmt_misc of its own (Linux 6.7 and later), which has no such entry;
# the machine's entry stays as it is. Sets WINE32_OWN_BINFMT=1 when that is the way, and
# WINE32_NATIVE_WHY to the reason where the answer is no.
WINE32_NATIVE_WHY=
WINE32_OWN_BINFMT=
wine32_own_binfmt_exec() {  # command... : runs it in a user namespace with an empty binfmt_misc
    VELKORIN_OWN_BINFMT=1 unshare --user --map-root-user --mount \
        sh -c 'mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc && exec "$@"' sh "$@"
}
_wine32_probe() {  # <program> -> prints native, emulated or refused
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
wine32_native() {
    local dir answer
    WINE32_NATIVE_WHY= WINE32_OWN_BINFMT=
    dir=$(mktemp -d)
    printf '%s\n' '.globl _start' '_start: movl $162, %eax' 'movl $ts, %ebx' 'xorl %ecx, %ecx' \
        'int $0x80' 'movl $1, %eax' 'xorl %ebx, %ebx' 'int $0x80' '.data' 'ts: .long 10, 0' >"$dir/probe.s"
    if ! as --32 -o "$dir/probe.o" "$dir/probe.s" 2>/dev/null || ! ld -m elf_i386 -o "$dir/probe" "$dir/probe.o" 2>/dev/null; then
        WINE32_NATIVE_WHY="the host's binutils cannot make an i386 program to find out"
        answer=unknown
    else
        answer=$(_wine32_probe "$dir/probe")
        if [ "$answer" = emulated ]; then
            # Would the kernel itself run it? binfmt_misc's qemu entry wants zero padding in the ELF
            # identification, which the kernel's own loader ignores: a copy with a padding byte set
            # reaches the kernel.
            cp "$dir/probe" "$dir/padded" && printf '\001' | dd of="$dir/padded" bs=1 seek=9 conv=notrunc 2>/dev/null
            if [ "$(_wine32_probe "$dir/padded")" != native ]; then
                WINE32_NATIVE_WHY="32-bit programs run here only under emulation (qemu-i386)"
            elif [ -z "${VELKORIN_OWN_BINFMT:-}" ] && [ "$(wine32_own_binfmt_exec bash -c \
                    'source "$0" && _wine32_probe "$1"' "$_wine32_env_file" "$dir/probe" 2>/dev/null)" = native ]; then
                answer=native WINE32_OWN_BINFMT=1
            else
                WINE32_NATIVE_WHY="binfmt_misc hands 32-bit programs to qemu-i386 here, though this kernel runs them itself with that entry off (echo 0 > /proc/sys/fs/binfmt_misc/qemu-i386)"
            fi
        elif [ "$answer" = refused ]; then
            WINE32_NATIVE_WHY="this kernel runs no 32-bit programs (Exec format error)"
        fi
    fi
    rm -rf "$dir"
    [ "$answer" = native ]
}

_wine32_installed() {
    [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

_wine32_apt_install() {
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" </dev/null
}

# Lets the kernel hand 32-bit ELFs to qemu-i386, through binfmt_misc.
_wine32_register_qemu() {
    local out binfmt=/proc/sys/fs/binfmt_misc root=0
    [ "$(id -u)" = 0 ] && root=1
    if ! mountpoint -q "$binfmt"; then
        [ $root = 1 ] || { _wine32_err "wine32_install: mounting binfmt_misc needs root"; return 1; }
        out=$(mount -t binfmt_misc binfmt_misc "$binfmt" 2>&1) ||
            { _wine32_err "wine32_install: cannot mount binfmt_misc on $binfmt: $out"; return 1; }
    fi
    if [ ! -e "$binfmt/qemu-i386" ]; then
        [ -x /usr/bin/qemu-i386-static ] || { _wine32_err "wine32_install: /usr/bin/qemu-i386-static is missing"; return 1; }
        out=$( (printf '%s' "$WINE32_BINFMT" > "$binfmt/register") 2>&1) ||
            { _wine32_err "wine32_install: cannot register qemu-i386 with binfmt_misc: $out"; return 1; }
    fi
    if [ "$(head -n1 "$binfmt/qemu-i386")" != enabled ]; then
        (echo 1 > "$binfmt/qemu-i386") 2>/dev/null ||
            { _wine32_err "wine32_install: cannot enable $binfmt/qemu-i386"; return 1; }
    fi
    if [ "$(cat "$binfmt/status" 2>/dev/null)" != enabled ]; then
        (echo 1 > "$binfmt/status") 2>/dev/null ||
            { _wine32_err "wine32_install: cannot enable binfmt_misc"; return 1; }
    fi
}

# Installs what is missing and, unless given "native" (32-bit programs run here as they are),
# lets the kernel hand 32-bit ELFs to qemu. Idempotent.
wine32_install() {
    local p i v out missing=() update=0 packages=("${WINE32_PACKAGES[@]}")
    local root=0
    [ "${1:-}" = native ] || packages+=("${WINE32_EMULATOR_PACKAGES[@]}")
    [ "$(id -u)" = 0 ] && root=1
    if ! grep -qx i386 <<<"$(dpkg --print-foreign-architectures)"; then
        [ $root = 1 ] || { _wine32_err "wine32_install: adding the i386 architecture needs root"; return 1; }
        dpkg --add-architecture i386 || { _wine32_err "wine32_install: dpkg --add-architecture i386 failed"; return 1; }
        update=1
    fi
    for p in "${packages[@]}"; do
        _wine32_installed "$p" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        [ $root = 1 ] || { _wine32_err "wine32_install: installing ${missing[*]} needs root"; return 1; }
        # wine32 must match an installed wine64 (they share libwine).
        if _wine32_installed wine64; then
            v=$(dpkg-query -W -f='${Version}' wine64)
            for i in "${!missing[@]}"; do
                [ "${missing[$i]}" = wine32:i386 ] && missing[$i]="wine32:i386=$v"
            done
        fi
        compgen -G '/var/lib/apt/lists/*_binary-i386_Packages*' >/dev/null || update=1
        if [ $update = 1 ]; then
            apt-get update -qq </dev/null || { _wine32_err "wine32_install: apt-get update failed"; return 1; }
        fi
        if ! _wine32_apt_install "${missing[@]}"; then
            # Old package lists, or that wine version is gone: refresh and let apt choose.
            apt-get update -qq </dev/null || { _wine32_err "wine32_install: apt-get update failed"; return 1; }
            _wine32_apt_install "${missing[@]%%=*}" ||
                { _wine32_err "wine32_install: apt-get install ${missing[*]%%=*} failed"; return 1; }
        fi
    fi
    [ "${1:-}" = native ] || _wine32_register_qemu || return 1
    # The loader is a 32-bit ELF itself: if it runs, 32-bit Wine can start.
    out=$("$WINE32" --version 2>&1) ||
        { _wine32_err "wine32_install: the 32-bit Wine loader does not run: $out"; return 1; }
}

_wine32_env() {
    case $1 in /*) export WINEPREFIX=$1 ;; *) export WINEPREFIX=$PWD/$1 ;; esac
    export WINEARCH=$2
    export WINEDEBUG=-all
    # No Mono or Gecko installer dialogs while a prefix is made.
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# True while wineboot or a setup step it started runs in $WINEPREFIX.
_wine32_booting() {
    local p
    for p in /proc/[0-9]*; do
        grep -qzxF "WINEPREFIX=$WINEPREFIX" "$p/environ" 2>/dev/null || continue
        grep -qziE 'wineboot\.exe|rundll32\.exe' "$p/cmdline" 2>/dev/null && return 0
    done
    return 1
}

# Makes $WINEPREFIX with LOADER once; a prefix that is ready is left as it is.
_wine32_prefix_make() {
    local loader=$1 caller=$2 reg=$WINEPREFIX/system.reg limit=${WINE32_INIT_TIMEOUT:-1800}
    local deadline=$((SECONDS + limit))
    if [ -f "$reg" ] && ! grep -q "^#arch=$WINEARCH\$" "$reg"; then
        _wine32_err "$caller: $WINEPREFIX is not a $WINEARCH prefix"
        return 1
    fi
    [ -f "$WINEPREFIX/.wine32-ready" ] && return 0
    mkdir -p "$WINEPREFIX" || { _wine32_err "$caller: cannot create $WINEPREFIX"; return 1; }
    # Its exit code means nothing under emulation (see above).
    timeout "$limit" "$loader" wineboot --init >/dev/null 2>&1 || true
    while _wine32_booting; do
        if [ $SECONDS -ge $deadline ]; then
            "$WINE32_SERVER" -k 2>/dev/null || true
            _wine32_err "$caller: wineboot did not finish within $limit s in $WINEPREFIX"
            return 1
        fi
        sleep 5
    done
    # explorer.exe and winedevice.exe may hang for good once an emulated services.exe has
    # died, and then the server never stops by itself; stopping it saves the registry.
    timeout 60 "$WINE32_SERVER" -w || "$WINE32_SERVER" -k 2>/dev/null || true
    if ! grep -q '^\[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion\]' "$reg" 2>/dev/null; then
        _wine32_err "$caller: wineboot left an incomplete prefix in $WINEPREFIX"
        return 1
    fi
    touch "$WINEPREFIX/.wine32-ready"
}

# A 32-bit prefix in DIR, made once and reused, and the environment pointing at it.
wine32_prefix_init() {
    [ -n "${1:-}" ] || { _wine32_err "usage: wine32_prefix_init DIR"; return 2; }
    _wine32_env "$1" win32
    _wine32_prefix_make "$WINE32" wine32_prefix_init
}

# The same with a 64-bit prefix, where "$WINE32" runs a PE32 through WoW64 (faster here).
wine32_wow64_prefix_init() {
    [ -n "${1:-}" ] || { _wine32_err "usage: wine32_wow64_prefix_init DIR"; return 2; }
    _wine32_env "$1" win64
    _wine32_prefix_make "$WINE32_WINE64" wine32_wow64_prefix_init
}

# Which Windows release Wine reports to the programs of $WINEPREFIX (winxp, win2k, win7, ...):
# HKCU\Software\Wine, value Version, read by every process that starts afterwards.
wine32_windows_version() {
    [ -n "${1:-}" ] || { _wine32_err "usage: wine32_windows_version NAME"; return 2; }
    local key='HKCU\Software\Wine'
    "$WINE32_WINE64" reg add "$key" /v Version /d "$1" /f >/dev/null 2>&1 &&
        "$WINE32_WINE64" reg query "$key" /v Version 2>/dev/null | grep -qiE "Version[[:space:]]+REG_SZ[[:space:]]+$1" ||
        { _wine32_err "wine32_windows_version: cannot set Version=$1 in $WINEPREFIX"; return 1; }
}

# Before a run of 32-bit programs (the short session, the PE32's checks): one preparation at a time
# (a run waits for the one that `make test` started ahead), 32-bit Wine installed, the WoW64 prefix
# of the win32 build made and WINEPREFIX pointing at it. Where 32-bit code runs natively only in a
# binfmt_misc of its own, the caller runs again there (given as the arguments after the build
# folder) and this one exits. WINE32_EMULATED=1 where 32-bit code runs under emulation.
wine32_prepare() {  # <win32 build dir> <the caller's path and arguments...>
    local build=$1
    shift
    WINE32_EMULATED=
    mkdir -p "$build"
    exec 9>"$build/.wine32-preparing"
    flock 9
    if [ -n "${VELKORIN_OWN_BINFMT:-}" ]; then
        echo "32-bit code runs natively, in a binfmt_misc of its own."
        wine32_install native
    elif wine32_native; then
        wine32_install native  # first: apt cannot work in the user namespace
        if [ -n "$WINE32_OWN_BINFMT" ]; then
            exec 9>&-  # the run in the namespace takes it again
            wine32_own_binfmt_exec "$@"
            exit
        fi
        echo "32-bit code runs natively."
    else
        echo "32-bit code runs under emulation: $WINE32_NATIVE_WHY."
        WINE32_EMULATED=1
        wine32_install
    fi
    wine32_wow64_prefix_init "$build/wineprefix-wow64"
    exec 9>&-
}
