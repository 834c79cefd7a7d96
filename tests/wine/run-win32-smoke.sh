#!/usr/bin/env bash
# The shipped PE32 itself, under 32-bit Wine: natively where this machine runs 32-bit code, as
# `make run` does (in a binfmt_misc of its own where the machine's hands such code to qemu), and
# elsewhere through user-mode emulation (slow: every 32-bit call is emulated). It runs through
# WoW64 in a 64-bit prefix, where Wine's own processes, the driver and the registry tool are 64-bit,
# and Wine reports Windows XP. One start, a click with the machine's own components, a click with
# the 32-bit stand-in components registered, one close.
# usage: run-win32-smoke.sh <win32 build dir> <Velkorin.exe> <64-bit velkorin_e2e.exe> <32-bit standin dll> <fixtures>
#        run-win32-smoke.sh --prepare <win32 build dir>   (32-bit Wine and the prefix only, as `make test`
#        makes them ahead, beside the builds)
set -euo pipefail

if [ -z "${DISPLAY:-}" ] && [ -z "${VELKORIN_UNDER_XVFB:-}" ]; then
    export VELKORIN_UNDER_XVFB=1
    exec xvfb-run -a -n 140 -s "-screen 0 1024x768x24" "$0" "$@"
fi

here=$(dirname "$0")
prepare=
[ "$1" = --prepare ] && prepare=--prepare && shift
build=$(realpath -m "$1") exe=${2:-} driver=${3:-} standin=${4:-} fixtures=${5:-}
[ -n "$prepare" ] || [ -f "$driver" ] || { echo "no driver at $driver: build the win64 tree first" >&2; exit 1; }
source "$here/wine-env.sh"
source "$here/wine32-env.sh"
wine32_prepare "$build" "$(realpath "$0")" $prepare "$@"
[ -z "$prepare" ] || exit 0
wine_server_keep
trap wine_server_stop EXIT
# A system the product must run on. Every process of the prefix reads it: the 64-bit driver too
# gets 5.1 (Wine 8 does not turn it into XP x64's 5.2) and works the same.
wine32_windows_version winxp
wine_no_crash_dialog

# 32-bit classes live in the registry's 32-bit view; Wine's own are put back afterwards.
registered=0
standin32() {  # register | restore
    local clsid key saved
    [ "$1" = register ] && registered=1
    [ "$1" = restore ] && [ $registered = 0 ] && return 0
    for clsid in "${STANDIN_CLASSES[@]}"; do
        key="HKLM\\Software\\Classes\\CLSID\\$clsid\\InprocServer32"
        saved="$work/saved-$clsid"
        if [ "$1" = register ]; then
            "$WINE" reg query "$key" /ve /reg:32 2>/dev/null | awk -F'REG_SZ *' 'NF > 1 { print $2 }' >"$saved" || true
            "$WINE" reg add "$key" /ve /d "$dll" /f /reg:32 >/dev/null
            "$WINE" reg add "$key" /v ThreadingModel /d Apartment /f /reg:32 >/dev/null
        elif [ -s "$saved" ] && ! grep -q standin_components "$saved"; then  # never a stand-in an earlier run left
            "$WINE" reg add "$key" /ve /d "$(tr -d '\r\n' <"$saved")" /f /reg:32 >/dev/null
        else
            "$WINE" reg delete "HKLM\\Software\\Classes\\CLSID\\$clsid" /f /reg:32 >/dev/null 2>&1 || true
        fi
    done
    [ "$1" = register ] || registered=0
}

work="$build/smoke"
folder="$work/Velkorin"
rm -rf "$work"
mkdir -p "$folder"
cp "$exe" "$folder/Velkorin.exe"
cp "$fixtures/test.mdb" "$folder/"
cp "$driver" "$work/velkorin_e2e.exe"
standin_place "$standin" "$work/standin"
dll=$("$WINE" winepath -w "$work/standin/standin_components.dll" 2>/dev/null)

export E2E_DEADLINE_MS=${E2E_DEADLINE_MS:-600000}
output="$work/smoke.txt"
"$WINE" "$work/velkorin_e2e.exe" --smoke "$("$WINE" winepath -w "$folder" 2>/dev/null)" >"$output" 2>&1 &
driver_pid=$!
trap 'kill $driver_pid 2>/dev/null; standin32 restore; wine_server_stop' EXIT

# Between the two runs: the stand-in components take the place of the machine's own.
until grep -q '^waiting for the stand-in' "$output" 2>/dev/null; do
    kill -0 $driver_pid 2>/dev/null || break
    sleep 2
done
if grep -q '^waiting for the stand-in' "$output"; then
    standin32 register
    touch "$folder/standin-ready"
fi
status=0
wait $driver_pid || status=$?
trap wine_server_stop EXIT
standin32 restore
tr -d '\r' <"$output" >"$output.lf"
cat "$output.lf"

# The two transcripts, the date line aside.
sep=$(printf "'%.0s" $(seq 56))
run1=$(sed -n '/^run 1:$/,/^waiting for the stand-in$/p' "$output.lf" | sed '1d;$d' | sed '2d')
run2=$(sed -n '/^run 2:$/,/^closed/p' "$output.lf" | sed '1d;$d' | sed '2d')
expected1=$(printf '%s\n' "Starting Test." "$sep" "Connecting To Test.mdb using DAO..." \
    "ERROR!: -2147221164 - Class not registered" "$sep" "Connecting To Test.mdb using ADO..." \
    "ERROR!: -2147319779 - Library not registered." "$sep" "Done, Test Complete." "$sep")
stage() { printf '%s\n' "Connecting To Test.mdb using $1..." "--Successful" "Opening Table..." "--Successful" \
    "Closing connection to the database." "--Successful" "$sep"; }
expected2=$(printf '%s\n' "Starting Test." "$sep"; stage DAO; stage ADO; printf '%s\n' "Done, Test Complete." "$sep")

passed=0 failed=0
verdict() { if [ "$2" = ok ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi; }
verdict "the driver ran to its end" "$([ $status -eq 0 ] && echo ok)"
verdict "window opened" "$(grep -q '^window open$' "$output.lf" && echo ok)"
verdict "the machine's own components: the real transcript" "$([ "$run1" = "$expected1" ] && echo ok)"
verdict "the stand-in: 19 lines of success" "$([ "$run2" = "$expected2" ] && echo ok)"
verdict "closing ended the process" "$(grep -q '^closed, exit code 0$' "$output.lf" && echo ok)"
echo "32-bit smoke: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
