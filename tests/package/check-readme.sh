#!/usr/bin/env bash
# README.txt goes into the zip beside Velkorin.exe and must read well in every Notepad: plain ASCII
# with no byte-order mark, CR LF after every line, at most 78 characters a line; its title names
# the version, and it names the failure numbers it explains and how to check the download.
# usage: check-readme.sh <README.txt> <version, as the project states it>
set -uo pipefail
file=$1 version=$2
failed=0
fail() { echo "FAILED: $*"; failed=1; }

[ -s "$file" ] || { echo "FAILED: no $file"; exit 1; }
[ "$(head -c3 "$file" | od -An -tx1 | tr -d ' ')" != efbbbf ] || fail "starts with a UTF-8 byte-order mark"
bad=$(LC_ALL=C grep -n '[^ -~'$'\r'']' "$file" | cut -d: -f1 | head -5 | tr '\n' ' ')
[ -z "$bad" ] || fail "bytes other than printable ASCII, CR and LF on lines $bad"
bare=$(LC_ALL=C awk '!/\r$/ { print NR }' "$file" | head -5 | tr '\n' ' ')
[ -z "$bare" ] || fail "lines not ended by CR LF: $bare"
[ "$(tail -c2 "$file" | od -An -tx1 | tr -d ' ')" = 0d0a ] || fail "the last line is not ended by CR LF"
[ "$(tr -cd '\r' <"$file" | wc -c)" = "$(tr -cd '\n' <"$file" | wc -c)" ] || fail "a CR or an LF without the other"
long=$(LC_ALL=C awk '{ sub(/\r$/, "") } length > 78 { print NR }' "$file" | head -5 | tr '\n' ' ')
[ -z "$long" ] || fail "lines longer than 78 characters: $long"

for number in -2147221164 3706 3024 -2147467259 3343 3051 3045 3050 3356 3078; do
    grep -qE -- "(^|[^0-9-])$number([^0-9]|\$)" "$file" || fail "does not name failure $number"
done
grep -qF 'ERROR!: <number> - <description>' "$file" || fail "does not show the error line's form"
title=$(sed -n '1s/\r$//p' "$file") rule=$(sed -n '2s/\r$//p' "$file")
[[ $title == "Velkorin $version - "* ]] || fail "the title does not name version $version: $title"
[ "$rule" = "$(printf '%*s' ${#title} '' | tr ' ' =)" ] || fail "the title's rule is not as long as the title"
for check in 'certutil -hashfile Velkorin.exe SHA256' 'sha256sum --ignore-missing -c SHA256SUMS'; do
    grep -qF "$check" "$file" || fail "does not say how to check the download: $check"
done
for code in '  3  Velkorin.exe.local' '  4  A manifest beside the program'; do  # WinMain.cpp's exit codes
    grep -qF -- "$code" "$file" || fail "does not give the exit code and its cause: $code"
done

[ $failed = 0 ] && echo "README.txt: ANSI, CR LF, short lines, the failure numbers named"
exit $failed
