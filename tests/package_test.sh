#!/usr/bin/env bash
# make package's Debian package, made from this build and looked into as dpkg sees it: the
# files a player's system gets, the libraries it declares, the server's settings as a
# conffile and the scripts that tell systemd about its unit.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip > "$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/quillmoor_*_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "no package was made"
prefix=$(cmake -L -N "$build" 2>/dev/null | sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p')

[ "$(dpkg-deb -f "$deb" Package)" = quillmoor ] || fail "the package is not named quillmoor"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in games"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-mixer-2.0-0 libcurl4 \
              libjpeg62-turbo libsqlite3-0 fonts-ipafont-gothic qt6-qpa-plugins; do
  grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' > "$work/files"
for f in "$prefix/bin/quillmoor" "$prefix/bin/quillmoor-server" \
         "$prefix/share/quillmoor/cg/title.bmp" "$prefix/share/quillmoor/dat/name.dat" \
         "$prefix/share/applications/org.quillmoor.Quillmoor.desktop" \
         "$prefix/share/metainfo/org.quillmoor.Quillmoor.metainfo.xml" \
         "$prefix/share/icons/hicolor/48x48/apps/quillmoor.png" \
         "$prefix/share/man/man6/quillmoor.6" "$prefix/share/man/man8/quillmoor-server.8" \
         "$prefix/lib/systemd/system/quillmoor-server.service"; do
  grep -qx "$f" "$work/files" || fail "$f is not in the package"
done
if grep -E '/(my|kousin)\.dat$|記録\.txt$|/backup/' "$work/files"; then fail "saves are in the package"; fi

dpkg-deb -e "$deb" "$work/control"
grep -qx ".*/default/quillmoor-server" "$work/control/conffiles" || fail "the server's settings are no conffile"
grep -qx "$(sed -n 's|^\(.*/default/quillmoor-server\)$|\1|p' "$work/files")" "$work/control/conffiles" ||
  fail "the conffile is not the packaged settings file"
for script in postinst postrm; do
  [ -x "$work/control/$script" ] || fail "no $script"
  grep -q "daemon-reload" "$work/control/$script" || fail "$script does not tell systemd"
done
echo "package test: $(basename "$deb") holds $(wc -l < "$work/files") paths; depends on: $depends"
