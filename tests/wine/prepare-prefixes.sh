#!/usr/bin/env bash
# Makes what the Wine checks need before they run, so that `make test` can do it beside the builds:
# the 64-bit checks' prefix first (once 32-bit Wine is installed, every new 64-bit prefix sets up
# its 32-bit side as well, which takes minutes where 32-bit code runs under emulation), then 32-bit
# Wine and the prefixes of the 32-bit runs (the product's, and the product by Clang's). Each check
# still makes whatever is missing itself.
# usage: prepare-prefixes.sh <build dir>
set -euo pipefail

if [ -z "${DISPLAY:-}" ] && [ -z "${VELKORIN_UNDER_XVFB:-}" ]; then
    export VELKORIN_UNDER_XVFB=1
    exec xvfb-run -a -n 160 "$0" "$@"
fi

here=$(dirname "$(realpath "$0")")
build=$(realpath -m "$1")
source "$here/wine-env.sh"
wine_prefix_init "$build/win64/wineprefix"
bash "$here/run-win32-smoke.sh" --prepare "$build/win32"
exec bash "$here/run-win32-smoke.sh" --prepare "$build/win32-clang"
