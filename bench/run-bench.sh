#!/usr/bin/env bash
# Builds the bench programs, runs every figure several times under 64-bit Wine, prints one markdown
# table and writes it, with the machine and the Wine version, to bench/results.md.
# usage: bench/run-bench.sh [build-dir]      (default: build; it holds win64/ and win32/ built, and
#   win32-clang/ where the product by Clang is to be measured beside them)
#   REPS (default 7): repetitions per timed figure; RUNS (default 1000): in-process runs;
#   PAINTS (default 200): themed paints per timed block (ten times as many baseline calls).
set -euo pipefail

if [ -z "${DISPLAY:-}" ] && [ -z "${VELKORIN_BENCH_UNDER_XVFB:-}" ]; then
    export VELKORIN_BENCH_UNDER_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=$(realpath "${1:-$root/build}")
reps=${REPS:-7} runs=${RUNS:-1000} paints=${PAINTS:-200}
jobs=${JOBS:-2}
win64="$build/win64" win32="$build/win32"
# The product by the second compiler, where that tree is built: its start and size beside the first's.
clang="$build/win32-clang"
[ -f "$clang/CMakeCache.txt" ] || clang=

for dir in "$win64" "$win32"; do
    [ -f "$dir/CMakeCache.txt" ] || { echo "no build in $dir: run make win64 win32 BUILD=... first" >&2; exit 1; }
    cmake "$dir" >/dev/null  # again: the build may predate the bench folder
done
cmake --build "$win64" --target velkorin_bench Velkorin standin_components -j "$jobs" >/dev/null
# The PE32 is what users start: its start is timed too where this machine runs 32-bit code natively
# (under emulation a start takes a minute and says nothing of the program).
pe32=
if "$root/tools/run-velkorin.sh" --native-i386; then pe32=1; fi
cmake --build "$win32" --target bench_bare Velkorin ${pe32:+bench_floor bench_stages} -j "$jobs" >/dev/null
[ -z "$clang" ] || cmake --build "$clang" --target Velkorin -j "$jobs" >/dev/null

echo "bench: builds done ($(date +%T))" >&2
source "$root/tests/wine/wine-env.sh"
# A prefix of its own: the stand-in's machine-wide registration must not meet the tests' prefix.
wine_prefix_init "$win64/bench-prefix"

# Every program runs from a folder of its own; Velkorin.exe's holds the real test.mdb.
work="$win64/bench-work"
rm -rf "$work"
mkdir -p "$work"/{bare,floor,velkorin,stages,appender,paint,runs,bare32,floor32,velkorin32,stages32,velkorin32clang}
cp "$win64/bench/bench_bare.exe" "$work/bare/"
cp "$win64/bench/bench_floor.exe" "$work/floor/"
cp "$win64/bench/bench_stages.exe" "$work/stages/"
cp "$win64/src/startup/Velkorin.exe" "$root/tests/fixtures/test.mdb" "$work/velkorin/"
cp "$win64/bench/bench_appender.exe" "$work/appender/"
cp "$win64/bench/bench_paint.exe" "$work/paint/"
cp "$win32/bench/bench_bare.exe" "$work/bare32/"
[ -z "$pe32" ] || cp "$win32/bench/bench_floor.exe" "$work/floor32/"
[ -z "$pe32" ] || cp "$win32/bench/bench_stages.exe" "$work/stages32/"
cp "$win32/src/startup/Velkorin.exe" "$root/tests/fixtures/test.mdb" "$work/velkorin32/"
[ -z "$clang" ] || cp "$clang/src/startup/Velkorin.exe" "$root/tests/fixtures/test.mdb" "$work/velkorin32clang/"
cp "$win64/bench/bench_runs.exe" "$root/tests/fixtures/test.mdb" "$work/runs/"
standin_place "$win64/tests/wine/standin/standin_components.dll" "$work/standin"

cleanup() {
    standin_unregister
    "$WINESERVER" -w || true
}
trap cleanup EXIT
standin_register "$work/standin/standin_components.dll"

winpath() { "$WINE" winepath -w "$1" 2>/dev/null; }
# Table rows go to work/out/<name>, notes (stderr lines "- ...") to work/out/<name>.notes; Wine's
# console programs end their lines with CR LF. A program that prints no row gets a row saying so.
mkdir -p "$work/out"
run_wine() {
    local out="$work/out/$1"
    shift
    echo "bench: $(basename "$1") $2 ($(date +%T))" >&2
    "$WINE" "$@" 2>"$out.err" | tr -d '\r' >"$out" || true
    tr -d '\r' <"$out.err" | grep '^- ' >"$out.notes" || true
    [ -s "$out" ] || echo "| $(basename "$1") $2 | - | - | - | - | - | **no** (printed no row; see $out.err) |" >"$out"
}

# Timed figures one after the other, so that nothing of ours competes with them.
run_wine startup "$win64/bench/bench_driver.exe" startup "$(winpath "$work/bare/bench_bare.exe")" \
    "$(winpath "$work/floor/bench_floor.exe")" "$(winpath "$work/velkorin/Velkorin.exe")" "$reps"
if [ -n "$pe32" ]; then  # the same figure for the PE32 and a PE32 floor and bare window, same driver
    run_wine startup32 "$win64/bench/bench_driver.exe" startup "$(winpath "$work/bare32/bench_bare.exe")" \
        "$(winpath "$work/floor32/bench_floor.exe")" "$(winpath "$work/velkorin32/Velkorin.exe")" "$reps"
    sed -i 's/^| start until/| the PE32: start until/; s/Velkorin\.exe: /Velkorin.exe (PE32): /' "$work/out/startup32"
    if [ -n "$clang" ]; then  # the second compiler's PE32 against the same floor, in the same run
        run_wine startup32clang "$win64/bench/bench_driver.exe" startup "$(winpath "$work/bare32/bench_bare.exe")" \
            "$(winpath "$work/floor32/bench_floor.exe")" "$(winpath "$work/velkorin32clang/Velkorin.exe")" "$reps"
        sed -i 's/^| start until/| the PE32 by Clang: start until/; s/Velkorin\.exe: /Velkorin.exe (PE32, Clang): /' \
            "$work/out/startup32clang"
        cat "$work/out/startup32clang" >>"$work/out/startup32"
    fi
else
    echo "| the PE32: start until the window is visible | - | - | - | - | - | not measured: this machine runs 32-bit code only under emulation |" >"$work/out/startup32"
fi
# Where the start goes: each stage of Velkorin's against the floor's, in fresh processes.
run_wine stages "$win64/bench/bench_driver.exe" stages "$(winpath "$work/stages/bench_stages.exe")" start "$reps"
if [ -n "$pe32" ]; then
    run_wine stages32 "$win64/bench/bench_driver.exe" stages "$(winpath "$work/stages32/bench_stages.exe")" \
        "the PE32: start" "$reps"
else
    echo "| the PE32: start, stage by stage | - | - | - | - | - | not measured: this machine runs 32-bit code only under emulation |" >"$work/out/stages32"
fi
run_wine run "$win64/bench/bench_driver.exe" run "$(winpath "$work/velkorin/Velkorin.exe")" \
    "$(winpath "$work/appender/bench_appender.exe")" "$reps"
run_wine paint "$work/paint/bench_paint.exe" time "$reps" "$paints"
run_wine runs-profile "$work/runs/bench_runs.exe" profile 30
# The two long counted series are timed against nothing: side by side.
run_wine paint-count "$work/paint/bench_paint.exe" count &
run_wine runs "$work/runs/bench_runs.exe" count "$runs"
wait
rows=$(cd "$work/out" && cat startup startup32 stages stages32 run runs-profile paint paint-count runs)
notes=$(cd "$work/out" && cat startup.notes stages.notes stages32.notes run.notes paint.notes runs-profile.notes 2>/dev/null)

# The product is the PE32: its size against the bare program built the same way, and its imports.
exe="$win32/src/startup/Velkorin.exe" bare="$win32/bench/bench_bare.exe"
bare_size=$(stat -c %s "$bare")
limit=$((256 * 1024))
imports() { i686-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ { print $3 }' | paste -sd, - | sed 's/,/, /g'; }
# What every Windows since XP ships in its system folder.
system_dlls='^(kernel32|user32|gdi32|advapi32|ole32|oleaut32|shell32|comctl32|comdlg32|uxtheme|msimg32|msvcrt|shlwapi|version|winmm|ws2_32|rpcrt4|ntdll)\.dll$'
foreign=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print tolower($3) }' | grep -Ev "$system_dlls" || true)
size_row() {  # <label> <exe> <the bare program's label>
    awk -v what="$1" -v s="$(stat -c %s "$2")" -v base="$3" -v b="$bare_size" -v l="$limit" 'BEGIN {
        printf "| Velkorin.exe size (%s) | %s: %d B | %d B (%.1f KB) | %.2fx | - | ≤ 256 KB | %s |\n",
            what, base, b, s, s / 1024, s / b, (s <= l ? "yes" : sprintf("**no** (%.1f KB over)", (s - l) / 1024)) }'
}
imports_row="| Velkorin.exe DLL imports (PE32) | bare program: $(imports "$bare") | $(imports "$exe") | - | - | system DLLs only | $([ -z "$foreign" ] && echo yes || echo "**no** ($(echo $foreign))") |"

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
cores=$(grep -c '^processor' /proc/cpuinfo)
{
    echo "# Velkorin benchmarks"
    echo
    echo "Machine: $cpu, $cores cores. Wine: $("$WINE" --version). Date: $(date -u '+%Y-%m-%d %H:%M UTC')."
    echo "Each timed figure: $reps repetitions, baseline and program measured in pairs in the same run;"
    echo "ratio = program / baseline per pair, median and min - max over the pairs. The two counted series"
    echo "(10,000 paints, $runs runs) ran side by side after the timed figures. Command: make bench"
    echo "(or bench/run-bench.sh <build-dir>)."
    echo
    echo "| figure | baseline | program | ratio (median) | spread (min - max) | goal | met? |"
    echo "|---|---|---|---|---|---|---|"
    echo "$rows"
    size_row "the PE32" "$exe" "bare one-window program, same flags"
    [ -z "$clang" ] || size_row "the PE32 by Clang" "$clang/src/startup/Velkorin.exe" "the same bare program (GCC)"
    echo "$imports_row"
    echo
    echo "Where the time goes (from the same run):"
    echo
    echo "$notes"
} > "$here/results.md"
cat "$here/results.md"
