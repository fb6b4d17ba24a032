#!/usr/bin/env bash
# The game as a player's system installs it: into a scratch DESTDIR, its desktop entry and
# metadata validated, then run headless from a copy of the prefix that nothing may change,
# making an adventurer: the save must land in the given XDG_DATA_HOME, and the prefix stay as
# it was, file for file.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }

DESTDIR="$work/dest" cmake --install "$build" > "$work/install.log" || fail "cmake --install failed"
prefix=$(cmake -L -N "$build" 2>/dev/null | sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p')
root="$work/dest$prefix"
for f in bin/quillmoor bin/quillmoor-server share/quillmoor/cg/title.bmp \
         share/quillmoor/dat/1.wav share/quillmoor/dat/name.dat \
         share/applications/org.quillmoor.Quillmoor.desktop \
         share/metainfo/org.quillmoor.Quillmoor.metainfo.xml \
         share/icons/hicolor/16x16/apps/quillmoor.png share/icons/hicolor/256x256/apps/quillmoor.png \
         share/man/man6/quillmoor.6 share/man/man8/quillmoor-server.8 \
         lib/systemd/system/quillmoor-server.service; do
  [ -e "$root/$f" ] || fail "$f was not installed"
done
# Nothing of the saves' kind is shipped: the game writes those in the user's folder.
if find "$root" -name my.dat -o -name kousin.dat -o -name '記録.txt' -o -name backup | grep -q .; then
  fail "a save was installed"
fi
desktop-file-validate "$root/share/applications/org.quillmoor.Quillmoor.desktop" ||
  fail "the desktop entry does not validate"
appstreamcli validate --no-net "$root/share/metainfo/org.quillmoor.Quillmoor.metainfo.xml" \
  > "$work/appstream.log" 2>&1 || { cat "$work/appstream.log" >&2; fail "the metadata does not validate"; }
grep -q "^ExecStart=$prefix/bin/quillmoor-server " "$root/lib/systemd/system/quillmoor-server.service" ||
  fail "the unit does not start the installed server"

# The prefix, moved elsewhere as a whole and made read-only, as a system's is.
copy="$work/opt/quillmoor"
mkdir -p "$(dirname "$copy")"
cp -a "$root" "$copy"
chmod -R a-w "$copy"
listing() { (cd "$copy" && find . -printf '%p %s %T@ %m\n' | sort); }
before=$(listing)

mkdir -p "$work/home" "$work/data" "$work/config"
printf 'wait 2\nkey Enter\nwait 2\nkey Enter\nwait 2\ntype name_l ルカ\npress l_btn8\nwait 5\nquit\n' \
  > "$work/script.txt"
(cd "$work/home" && HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
  "$copy/bin/quillmoor" --offscreen --turbo --seed 1 --server http://127.0.0.1:1 \
  --script "$work/script.txt" > "$work/game.log" 2>&1) || { cat "$work/game.log" >&2; fail "the installed game failed"; }
grep -q "could not be loaded" "$work/game.log" && { cat "$work/game.log" >&2; fail "pictures were missing"; }

save="$work/data/Quillmoor/my.dat"
[ -s "$save" ] || { ls -R "$work/data" "$work/home" >&2; fail "no save in XDG_DATA_HOME/Quillmoor"; }
[ -s "$work/data/Quillmoor/kousin.dat" ] || fail "no network bookkeeping beside the save"
[ -d "$work/data/Quillmoor/backup" ] || fail "no backups beside the save"
after=$(listing)
[ "$before" = "$after" ] || { diff <(echo "$before") <(echo "$after") >&2; fail "the prefix changed"; }
# Nor anywhere else in the home but the data and configuration folders.
if find "$work/home" -mindepth 1 | grep -q .; then find "$work/home" >&2; fail "files beside the game's folders"; fi
echo "install test: installed, validated, played from a read-only prefix; the save is in $save"
