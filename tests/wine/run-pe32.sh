#!/usr/bin/env bash
# Runs one of the Windows check suites (run-wine-checks.sh, e2e/run-e2e.sh, themed/run-themed.sh)
# with the PE32 and the 32-bit test programs, under 32-bit Wine in the WoW64 prefix of the product's
# short session: natively where this machine runs 32-bit code (measured as `make run` measures it),
# else under emulation, where every 32-bit process is slow and the suite runs only the rows chosen
# for what differs in 32 bits (VELKORIN_PE32_EMULATED tells it so, and it names what it leaves out;
# set by hand, it picks those rows where 32-bit code runs natively as well).
# usage: run-pe32.sh <win32 build dir> <suite script> <the suite's arguments...>
set -euo pipefail

if [ -z "${DISPLAY:-}" ] && [ -z "${VELKORIN_UNDER_XVFB:-}" ]; then
    export VELKORIN_UNDER_XVFB=1
    # 24-bit colour, so the pixel checks see the colours the programs asked for.
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

here=$(dirname "$(realpath "$0")")
build=$(realpath -m "$1")
shift
source "$here/wine-env.sh"
source "$here/wine32-env.sh"
wine32_prepare "$build" "$(realpath "$0")" "$build" "$@"
if [ -n "$WINE32_EMULATED" ]; then
    export VELKORIN_PE32_EMULATED=1
    export E2E_DEADLINE_MS=${E2E_DEADLINE_MS:-600000}  # every call is emulated
fi
export VELKORIN_PE32_PREFIX=$WINEPREFIX
exec bash "$@"
