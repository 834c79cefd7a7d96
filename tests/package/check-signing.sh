#!/usr/bin/env bash
# The download as `make dist` makes it (tools/make-dist.sh), without a certificate and with a
# code-signing certificate issued by a certificate authority made here for the check. Unsigned,
# the zip is the build's own, byte for byte, and one line says so. Signed, Velkorin.exe carries a
# SHA-1 signature with a SHA-256 one nested in it, both verified against that authority; it passes
# the PE checks and comes out the same bytes when signed again, and a byte changed in it fails
# verification. Either way SHA256SUMS holds the digests of the zip and of the exe inside it. The
# signed exe is left in <build>/signed for the 32-bit run.
# usage: check-signing.sh <source dir> <win32 build dir> <version>
set -uo pipefail
source=$(realpath "$1") build=$(realpath "$2") version=$3
zip=Velkorin-$version-win32.zip
work="$build/signing-check"
rm -rf "$work" "$build/signed"
mkdir -p "$work" "$build/signed"
failed=0
fail() { echo "FAILED: $*"; failed=1; }

# The authority and its code-signing certificate, in a PKCS#12 file with a password file.
(
    cd "$work" || exit 1
    openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 3650 -subj "/CN=Velkorin Check CA" \
        -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign &&
        openssl req -x509 -newkey rsa:2048 -nodes -keyout signer.key -out signer.pem -days 3650 -CA ca.pem \
            -CAkey ca.key -subj "/CN=Velkorin Check Signer" -addext basicConstraints=CA:FALSE \
            -addext keyUsage=critical,digitalSignature -addext extendedKeyUsage=codeSigning &&
        printf 'throwaway password\n' >password.txt &&
        openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile ca.pem -passout file:password.txt \
            -out signer.pfx
) >"$work/openssl.log" 2>&1 || { cat "$work/openssl.log"; echo "FAILED: making the certificates"; exit 1; }
signing=(VELKORIN_SIGN_PFX="$work/signer.pfx" VELKORIN_SIGN_PASSWORD_FILE="$work/password.txt")

# make-dist.sh into <name>, with the environment given; its zip's files unzipped into <name>/unzipped.
dist() {
    local name=$1
    shift
    env -u VELKORIN_SIGN_PFX -u VELKORIN_SIGN_PASSWORD_FILE -u VELKORIN_SIGN_TIMESTAMP_URL "$@" \
        bash "$source/tools/make-dist.sh" "$source" "$build" "$work/$name" "$version" >"$work/$name.log" 2>&1 ||
        { cat "$work/$name.log"; fail "make-dist.sh $name"; return; }
    unzip -q -o "$work/$name/$zip" -d "$work/$name/unzipped"
}
# Both lines of SHA256SUMS hold: the zip's beside it, the exe's in the unzipped folder.
sums_hold() {
    local folder="$work/$1"
    [ "$(wc -l <"$folder/SHA256SUMS")" = 2 ] || fail "$1: SHA256SUMS does not hold two lines"
    (cd "$folder" && grep " $zip\$" SHA256SUMS | sha256sum -c --quiet -) || fail "$1: the zip's digest"
    (cd "$folder/unzipped" && grep ' Velkorin.exe$' ../SHA256SUMS | sha256sum -c --quiet -) ||
        fail "$1: the exe's digest"
}

dist unsigned
cmp -s "$work/unsigned/$zip" "$build/$zip" || fail "the unsigned zip is not the build's own"
[ "$(grep -c '^not signed' "$work/unsigned.log")" = 1 ] || fail "no one line saying the build did not sign"
sums_hold unsigned

dist signed "${signing[@]}"
dist signed-again "${signing[@]}"
exe="$work/signed/unzipped/Velkorin.exe"
osslsigncode verify -CAfile "$work/ca.pem" -in "$exe" >"$work/verify.txt" 2>&1 ||
    { cat "$work/verify.txt"; fail "the signed exe does not verify against the check's authority"; }
# Each signature names its digest twice, for the file and for its signer.
digests=$(awk -F: '/^Message digest algorithm *:/ { gsub(/ /, "", $2); if ($2 != last) printf "%s ", $2; last = $2 }' \
    "$work/verify.txt")
[ "$digests" = "SHA1 SHA256 " ] || fail "signatures with digests '$digests', not SHA1 then the nested SHA256"
[ "$(grep -c 'Signature verification: ok' "$work/verify.txt")" = 2 ] || fail "not both signatures verified"
cmp -s "$work/signed/$zip" "$work/signed-again/$zip" || fail "signing again gave other bytes"
sums_hold signed
bash "$source/tests/pe/check-pe.sh" "$exe" i686 "$version" >"$work/pe.log" 2>&1 ||
    { cat "$work/pe.log"; fail "the PE checks on the signed exe"; }

# One byte of the program's code changed after signing.
cp "$exe" "$work/tampered.exe"
printf '\xCC' | dd of="$work/tampered.exe" bs=1 seek=4096 conv=notrunc status=none
if osslsigncode verify -CAfile "$work/ca.pem" -in "$work/tampered.exe" >"$work/tampered.txt" 2>&1; then
    fail "an exe changed after signing still verifies"
fi

cp "$exe" "$build/signed/Velkorin.exe"
if [ $failed = 0 ]; then
    echo "signed download: unsigned zip unchanged; SHA-1 and nested SHA-256 signatures verified, reproducible;"
    echo "  a changed byte fails verification; SHA256SUMS holds for the zip and the exe"
fi
exit $failed
