#!/usr/bin/env bash
# .reg files against a real client, Wine's own regedit, in the Wine prefix of the Windows build:
#   a. zwreg.exe export of a key and regedit /E of the same key are the same file;
#   b. a file written by the Linux zwreg imports with regedit /S and exports back the same;
#   c. a file exported by regedit /E imports into the embedded store and exports back the same;
#   d. German letters in zwreg.exe's arguments (key, value, data, file name) arrive intact.
# The fixture every_type.reg.txt holds a value of every type and nested keys; it is imported
# into Wine's registry (a) and, through the Linux zwreg, into a fresh embedded store (b).
#
#   check_regedit_interchange.sh ZWREG_EXE ZWREG_LINUX WINE_RUN WINEPREFIX
#
# The files are compared byte for byte, with no normalisation: our writer follows regedit's
# layout (UTF-16LE with byte order mark, CRLF, a blank line after every key, hex lines cut
# once they reach 77 characters and continued with two spaces). The fixture stays inside
# what all three readers share; what it leaves out, and why:
#   - names with [ \ ] ^ _ ` where their position decides the order: Windows and our store
#     order subkeys by upper case, Wine by lower case ("_x" before "A" on Wine only);
#   - value order itself: Windows enumerates values in the order they were created, Wine
#     and our store by name; the fixture lists them by name, so all agree;
#   - key and value names outside the ANSI code page (e.g. "Łódź"): zwreg.exe reaches the
#     registry through the 8-bit functions, which cannot name them; it then fails loudly;
#   - REG_SZ text with a line break: Wine's regedit drops such a value on import;
#   - REG_DWORD data that is not 4 bytes long: Wine's regedit exports it as a dword of
#     whatever follows in memory (our writer keeps it as hex(4)).
set -euo pipefail
# Wine turns the arguments into Windows text by the locale's character set.
export LC_ALL=C.UTF-8
zwreg_exe=$1 zwreg_linux=$2 wine_run=$3 prefix=$4
here=$(cd "$(dirname "$0")" && pwd)
key='HKEY_CURRENT_USER\Software\Zunderwerk Austausch'

work=$(mktemp -d)
failures=0

# A text file (UTF-8, LF) as Windows writes a .reg file: UTF-16LE with byte order mark, CRLF.
as_reg_file() { { printf '\xff\xfe'; sed 's/$/\r/' "$1" | iconv -f UTF-8 -t UTF-16LE; } >"$2"; }
windows_path() { local p=$1; echo "Z:${p//\//\\}"; }
regedit() { "$wine_run" "$prefix" regedit "$@" >/dev/null 2>&1; }
zwreg_exe() { "$wine_run" "$prefix" "$zwreg_exe" "$@" >/dev/null; }
# The Linux zwreg on a fresh embedded store of its own ($1 names it).
zwreg_linux() { local db=$work/$1.db; shift; ZUNDERWERK_REGISTRY=$db "$zwreg_linux" "$@" >/dev/null; }

same() {
  local expected=$1 actual=$2 what=$3
  if [ -f "$expected" ] && [ -f "$actual" ] && cmp -s "$expected" "$actual"; then
    echo "ok    $what"
  else
    echo "FAIL  $what"
    [ -f "$actual" ] || echo "      (no file $actual)"
    [ -f "$expected" ] && [ -f "$actual" ] &&
      diff <(iconv -f UTF-16LE -t UTF-8 "$expected") <(iconv -f UTF-16LE -t UTF-8 "$actual") | sed 's/^/      /' || true
    failures=$((failures + 1))
  fi
}

printf 'Windows Registry Editor Version 5.00\n\n[-%s]\n\n' "$key" >"$work/remove.txt"
as_reg_file "$work/remove.txt" "$work/remove.reg"
remove_key() { regedit /S "$(windows_path "$work/remove.reg")"; }
cleanup() { remove_key || true; rm -rf "$work"; }
trap cleanup EXIT

as_reg_file "$here/every_type.reg.txt" "$work/fixture.reg"

# a. The fixture through Wine's regedit, then both exports of the key.
remove_key
regedit /S "$(windows_path "$work/fixture.reg")"
regedit /E "$(windows_path "$work/regedit.reg")" "$key"
same "$work/fixture.reg" "$work/regedit.reg" "the fixture reads back from Wine's registry as written"
zwreg_exe export "$key" "$(windows_path "$work/zwreg-exe.reg")" /y
same "$work/regedit.reg" "$work/zwreg-exe.reg" "zwreg.exe export = regedit /E"

# b. Written by the Linux zwreg, read by Wine's regedit.
zwreg_linux b import "$here/every_type.reg.txt"
zwreg_linux b export "$key" "$work/linux.reg" /y
remove_key
regedit /S "$(windows_path "$work/linux.reg")"
regedit /E "$(windows_path "$work/linux-back.reg")" "$key"
same "$work/linux.reg" "$work/linux-back.reg" "Linux zwreg export -> regedit /S -> regedit /E"

# c. Written by Wine's regedit, read by the Linux zwreg.
zwreg_linux c import "$work/regedit.reg"
zwreg_linux c export "$key" "$work/regedit-back.reg" /y
same "$work/regedit.reg" "$work/regedit-back.reg" "regedit /E -> Linux zwreg import -> export"

# d. Windows hands main() its arguments in the ANSI code page; zwreg.exe must read them whole.
zwreg_exe add "$key\\Größe" /v "Maß" /d "Über" /f
regedit /E "$(windows_path "$work/args.reg")" "$key\\Größe"
printf 'Windows Registry Editor Version 5.00\n\n[%s\\Größe]\n"Maß"="Über"\n\n' "$key" >"$work/args.txt"
as_reg_file "$work/args.txt" "$work/args-expected.reg"
same "$work/args-expected.reg" "$work/args.reg" "zwreg.exe add with German letters in its arguments"
zwreg_exe export "$key\\Größe" "$(windows_path "$work/Größe.reg")" /y
same "$work/args.reg" "$work/Größe.reg" "zwreg.exe export to a file named with German letters"

if [ "$failures" -ne 0 ]; then
  echo "$failures .reg check(s) against Wine's regedit failed" >&2
  exit 1
fi
