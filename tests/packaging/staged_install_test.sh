#!/usr/bin/env bash
# Installs the build into a temporary root as a package would (prefix /usr) and checks it with the
# desktop's own tools: every expected file is there, the menu entry and the AppStream description
# validate, the file type maps "*.sou", each PNG icon has its size, the man pages format cleanly.
# Usage: staged_install_test.sh BUILD_DIR INSTALLED_FILES_LIST
set -euo pipefail
build="$1"
list="$2"
for tool in desktop-file-validate appstreamcli update-mime-database groff file; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup installs it)"; exit 77; }
done

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root="$stage/usr"

status=0
fail() { echo "FAIL: $*"; status=1; }

while read -r path; do
  [ -f "$root/$path" ] || fail "not installed: /usr/$path"
done <"$list"

desktop-file-validate "$root"/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
# Also checks that the component's launchable names a desktop file that is installed.
appstreamcli validate-tree --no-net "$stage" || fail "appstreamcli validate-tree"

update-mime-database "$root/share/mime" >/dev/null
grep -qx 'application/x-flangecheck-design:\*\.sou' <(cut -d: -f2,3 "$root/share/mime/globs2") ||
  fail "*.sou is not mapped to application/x-flangecheck-design"

for png in "$root"/share/icons/hicolor/*/apps/*.png; do
  size="$(basename "$(dirname "$(dirname "$png")")")" # e.g. 48x48
  file "$png" | grep -q "PNG image data, ${size/x/ x }," || fail "$png is not a ${size} PNG"
done

for page in "$root"/share/man/man1/*.1.gz; do
  warnings="$(gzip -dc "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -K utf8 -ww -z 2>&1)"
  [ -z "$warnings" ] || fail "$page: $warnings"
  # A button's name is never broken over two lines.
  buttons="$(gzip -dc "$page" | { grep -o 'next\\ >>' || true; } | wc -l)"
  shown="$(gzip -dc "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -K utf8 2>/dev/null | { grep -o 'next >>' || true; } | wc -l)"
  [ "$buttons" = "$shown" ] || fail "$page: 「next >>」 is broken over two lines"
  # whatis shows the NAME line as it stands: no marks of the formatter in it.
  if command -v lexgrog >/dev/null; then
    name="$(lexgrog "$page" | cut -d'"' -f2)"
    case "$name" in *:* | *\\*) fail "$page: whatis shows \"$name\"" ;; esac
  fi
done

exit "$status"
