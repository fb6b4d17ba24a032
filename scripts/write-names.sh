#!/bin/sh
# Writes the strangers' name list (UTF-8, one name a line) as the game reads it:
# code page 932 with CR LF line ends.  Usage: write-names.sh SOURCE TARGET
set -eu
mkdir -p "$(dirname "$2")"
sed 's/$/\r/' "$1" | iconv -f UTF-8 -t CP932 > "$2.tmp"
mv "$2.tmp" "$2"
