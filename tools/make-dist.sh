#!/usr/bin/env bash
# The download for Windows users, in <out dir>: Velkorin-<version>-win32.zip and SHA256SUMS beside
# it, holding the SHA-256 of the zip and of the Velkorin.exe inside it. With a code-signing
# certificate named in VELKORIN_SIGN_PFX, Velkorin.exe is signed before it is zipped
# (tools/sign-exe.sh); without one the zip is the build's own, byte for byte.
# usage: make-dist.sh <source dir> <win32 build dir> <out dir> <version>
set -euo pipefail
source=$(realpath "$1") build=$(realpath "$2") out=$3 version=$4
zip=Velkorin-$version-win32.zip
mkdir -p "$out"
out=$(realpath "$out")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ -n "${VELKORIN_SIGN_PFX:-}" ]; then
    [ -n "${VELKORIN_SIGN_PASSWORD_FILE:-}" ] ||
        { echo "VELKORIN_SIGN_PASSWORD_FILE must name the file that holds the certificate's password" >&2; exit 1; }
    bash "$source/tools/sign-exe.sh" "$build/src/startup/Velkorin.exe" "$work/Velkorin.exe"
    bash "$source/cmake/package-zip.sh" "$out/$zip" "$work/Velkorin.exe" "$source/tests/fixtures/test.mdb" \
        "$build/README.txt"
    echo "signed: Velkorin.exe, with the certificate in $VELKORIN_SIGN_PFX"
else
    cp "$build/src/startup/Velkorin.exe" "$work/Velkorin.exe"
    cp "$build/$zip" "$out/$zip"
    echo "not signed: VELKORIN_SIGN_PFX names no code-signing certificate"
fi
{
    (cd "$out" && sha256sum "$zip")
    (cd "$work" && sha256sum Velkorin.exe)
} >"$out/SHA256SUMS"
echo "$out/$zip"
echo "$out/SHA256SUMS"
