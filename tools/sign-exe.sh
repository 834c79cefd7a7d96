#!/usr/bin/env bash
# Signs Velkorin.exe with the code-signing certificate named in VELKORIN_SIGN_PFX (a PKCS#12 file)
# and VELKORIN_SIGN_PASSWORD_FILE (a file holding its password): a signature with a SHA-1 digest
# first, the one Windows 2000 and XP read (they read only the first), then one with a SHA-256
# digest nested in it, which later Windows reads as well. Signed at the release's date, the same
# certificate gives the same bytes from build to build; with a time-stamp server named in
# VELKORIN_SIGN_TIMESTAMP_URL (RFC 3161) each signature is counter-signed at the server's time.
# usage: sign-exe.sh <in.exe> <out.exe>
set -euo pipefail
in=$1 out=$2
: "${VELKORIN_SIGN_PFX:?names no certificate}" "${VELKORIN_SIGN_PASSWORD_FILE:?names no password file}"
source "$(dirname "$0")/../cmake/release-date.sh"

options=(-pkcs12 "$VELKORIN_SIGN_PFX" -readpass "$VELKORIN_SIGN_PASSWORD_FILE"
         -n Velkorin -i https://www.facebook.com/Orlaquist)
if [ -n "${VELKORIN_SIGN_TIMESTAMP_URL:-}" ]; then
    options+=(-ts "$VELKORIN_SIGN_TIMESTAMP_URL")
else
    options+=(-time "$(release_epoch)")
fi
# The first signature goes to a folder of this run's own, which nobody else can write to: the
# signer creates its output by name, and a shared temporary folder would let another user's file
# take that name first.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first=$work/first.exe
rm -f "$out"
osslsigncode sign "${options[@]}" -h sha1 -in "$in" -out "$first" >/dev/null
osslsigncode sign "${options[@]}" -nest -h sha256 -in "$first" -out "$out" >/dev/null
