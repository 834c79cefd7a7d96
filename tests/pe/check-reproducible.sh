#!/usr/bin/env bash
# Builds the product a second time, from a copy of the sources in another folder into another
# build folder, and checks that Velkorin.exe and the zip come out byte for byte the same. The copy
# keeps each file's time and the second build folder stays, so that a later check rebuilds only
# what changed since, as the first build does.
# usage: check-reproducible.sh <source dir> <win32 build dir>
set -euo pipefail
source=$(realpath "$1") first=$(realpath "$2")
zip_name=$(cd "$first" && ls Velkorin-*-win32.zip)
work="$first/reproducible"
copy="$work/a-second-folder/Velkorin" second="$work/build-b"
rm -rf "$copy"
mkdir -p "$copy"

# The sources as they are now, committed or not (the build folders left out).
inside=$(realpath -m --relative-base="$source" "$first")
case $inside in /*) top=./build ;; *) top=./${inside%%/*} ;; esac
if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$source" && git ls-files -z -c -o --exclude-standard | grep -zv "^${top#./}/" |
        xargs -0 -r cp -p --parents -t "$copy" 2>/dev/null) || true
else
    (cd "$source" && tar --exclude=./build --exclude=./dist --exclude="$top" -cf - .) | (cd "$copy" && tar -xpf -)
fi

# The same settings as the first build, every one of our own options included.
settings=()
while IFS= read -r line; do
    settings+=("-D$line")
done < <(grep -E '^(CMAKE_BUILD_TYPE|VELKORIN_[A-Z0-9_]+):(BOOL|STRING)=' "$first/CMakeCache.txt")
cmake -S "$copy" -B "$second" -DCMAKE_TOOLCHAIN_FILE="$copy/cmake/mingw-i686.cmake" "${settings[@]}" >/dev/null
cmake --build "$second" --target velkorin_zip -j "$(nproc)" >"$work/build.log" 2>&1 ||
    { tail -20 "$work/build.log"; echo "FAILED: the second build"; exit 1; }

failed=0
for file in src/startup/Velkorin.exe "$zip_name"; do
    if cmp -s "$first/$file" "$second/$file"; then
        echo "same: $file ($(stat -c %s "$first/$file") bytes)"
    else
        failed=1
        echo "FAILED: $file differs between $first and $second"
        cmp -l "$first/$file" "$second/$file" | head -5 || true
    fi
done
# Neither build's folders may show in the program.
if strings -a "$second/src/startup/Velkorin.exe" | grep -E "$first|$second|$source|$copy"; then
    failed=1
    echo "FAILED: a build folder is written into Velkorin.exe"
fi
[ $failed -eq 0 ] && rm -rf "$copy"
[ $failed -eq 0 ]
