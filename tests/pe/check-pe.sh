#!/usr/bin/env bash
# Checks the product's PE header, imports and resources.
# usage: check-pe.sh <Velkorin.exe> <i686|x86_64> <version, as the project states it: 1.0.0.3>
set -uo pipefail
exe=$1 arch=$2 product_version=$3
objdump=$arch-w64-mingw32-objdump
windres=$arch-w64-mingw32-windres
passed=0 failed=0

check() {  # description, then a command that must succeed
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $what"
    fi
}

headers=$("$objdump" -p "$exe")
resources=$("$windres" -i "$exe" -J coff -O rc 2>/dev/null)
has() { grep -qE -- "$1" <<<"$2"; }

if [ "$arch" = i686 ]; then
    check "machine i386, PE32" has 'architecture: i386' "$("$objdump" -f "$exe")"
    check "PE32 magic" has '^Magic[[:space:]]+010b' "$headers"
else
    check "machine x86-64, PE32+" has '^Magic[[:space:]]+020b' "$headers"
fi
check "GUI subsystem" has '^Subsystem[[:space:]]+00000002' "$headers"
# Neither NX compatible (0x100) nor dynamic base (0x40), nor high-entropy addresses (0x20).
check "DllCharacteristics empty" has '^DllCharacteristics[[:space:]]+00000000' "$headers"
check "no relocation section" bash -c "! '$objdump' -h '$exe' | grep -q '\.reloc'"

imports=$(grep 'DLL Name:' <<<"$headers" | awk '{print tolower($3)}')
for dll in $imports; do
    case $dll in
    kernel32.dll | user32.dll | gdi32.dll | ole32.dll | oleaut32.dll | msvcrt.dll) ;;
    *) check "import $dll is a system DLL" false ;;
    esac
done
check "imports present" test -n "$imports"

if [ "$arch" = i686 ]; then
    # The program must load on Windows 2000 SP4: the header asks for no later system, and every
    # function imported at load time is in imports.txt with a release no later than 2000.
    version() { awk -v k="$1" '$1 == "Major" k { M = $2 } $1 == "Minor" k { m = $2 } END { printf "%d.%d", M, m }' <<<"$headers"; }
    at_most_5_0() { awk -v v="$1" 'BEGIN { split(v, p, "."); exit !(p[1] < 5 || (p[1] == 5 && p[2] == 0)) }'; }
    check "operating system version $(version OSystemVersion) at most 5.0" at_most_5_0 "$(version OSystemVersion)"
    check "subsystem version $(version SubsystemVersion) at most 5.0" at_most_5_0 "$(version SubsystemVersion)"
    table=$(dirname "$0")/imports.txt
    functions=$(awk '/DLL Name:/ { dll = tolower($3) }
        /^\t[0-9a-f]+\t/ && dll != "" { print dll, ($3 != "" ? $3 : "<ordinal " $2 ">") }
        /^$/ { dll = "" }' <<<"$headers")
    check "imported functions listed" test -n "$functions"
    while read -r dll function; do
        release=$(awk -v d="$dll" -v f="$function" '$1 == d && $2 == f { print $3 }' "$table")
        case $release in
        2000) passed=$((passed + 1)) ;;
        "") check "$dll $function has a row in imports.txt" false ;;
        *) check "$dll $function is in Windows 2000 (imports.txt: first in $release)" false ;;
        esac
    done <<<"$functions"
    # Bound by name at first call, so that a system without them still starts the program.
    check "SetProcessDEPPolicy is not a load-time import" bash -c '! grep -qx "kernel32.dll SetProcessDEPPolicy" <<<"$0"' "$functions"
    for dll in shell32.dll comctl32.dll uxtheme.dll msimg32.dll; do
        check "nothing from $dll at load time" bash -c '! grep -q "^$1 " <<<"$0"' "$functions" "$dll"
    done
fi

# The numbers as they are, the texts with minor and revision in 2 and 4 digits (1.0.0.3: "1.00.0003").
IFS=. read -r major minor patch revision <<<"$product_version"
numbers="$major, $minor, $patch, $revision"
text=$(printf '%d.%02d.%04d' "$major" "$minor" "$revision")
check "file version $product_version" has "FILEVERSION $numbers" "$resources"
check "product version $product_version" has "PRODUCTVERSION $numbers" "$resources"
check "application, 32-bit Windows" has 'FILEOS 0x4' "$resources"
check "file type application" has 'FILETYPE 0x1' "$resources"
check "string block 0409 04B0" has 'BLOCK "040904B0"' "$resources"
check "translation 0409 1200" has 'VALUE "Translation", 0x409, 1200' "$resources"
for pair in 'CompanyName", "Orlaquist' "FileVersion\", \"$text" "ProductVersion\", \"$text" \
    'ProductName", "Velkorin' 'InternalName", "Velkorin' 'OriginalFilename", "Velkorin.exe'; do
    check "version string $pair" has "VALUE \"$pair\"" "$resources"
done
check "six version strings, no others" test "$(grep -c 'VALUE "' <<<"$resources")" -eq 7
check "icon group 1" has '^1 14 /\* RT_GROUP_ICON \*/' "$resources"
check "one icon image, id 30001" test "$(grep -cE '^[0-9]+ 3 /\* RT_ICON \*/' <<<"$resources")" -eq 1
check "icon image 30001" has '^30001 3 /\* RT_ICON \*/' "$resources"
# One manifest of its own, id 1, that holds the program's identity and nothing else: it asks for no
# common controls, privileges, compatibility or DPI setting, and keeps out a manifest beside the program.
check "one manifest" test "$(grep -cE '^[0-9]+ 24 ' <<<"$resources")" -eq 1
check "manifest id 1" has '^1 24 ' "$resources"
[ "$arch" = i686 ] && manifest_arch=x86 || manifest_arch=amd64
identity="<assemblyIdentity type=\"win32\" name=\"Orlaquist.Velkorin\" version=\"$product_version\" processorArchitecture=\"$manifest_arch\"/>"
manifest="<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">$identity</assembly>"
check "manifest: identity only" test "$(LC_ALL=C grep -ao '<assembly.*</assembly>' "$exe")" = "$manifest"

echo "pe checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
