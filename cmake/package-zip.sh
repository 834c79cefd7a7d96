#!/usr/bin/env bash
# The zip for Windows users, the same bytes from every build of the same sources: fixed names and
# order, the same permissions and time on every entry, and no extra fields (owner, access times).
# usage: package-zip.sh <out.zip> <Velkorin.exe> <test.mdb> <README.txt>
set -euo pipefail
out=$(realpath -m "$1")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$2" "$stage/Velkorin.exe"
cp "$3" "$stage/test.mdb"
cp "$4" "$stage/README.txt"
chmod 644 "$stage"/*
# The release's date; zip keeps local time, so the zone is fixed too.
source "$(dirname "$0")/release-date.sh"
export TZ=UTC
touch -d "@$(release_epoch)" "$stage"/*
rm -f "$out"
(cd "$stage" && zip -q -X -D "$out" Velkorin.exe test.mdb README.txt)
