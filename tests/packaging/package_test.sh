#!/usr/bin/env bash
# Makes the Debian package from the build (cpack into a temporary folder), checks that it holds
# every installed file and declares its dependencies, then unpacks it into a temporary root and
# runs the checker from there on the worked example, with the libraries from the system; lintian
# may report nothing worse than informational notes, except the maintainer's placeholder address.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR INSTALLED_FILES_LIST
set -euo pipefail
build="$1"
source="$2"
list="$3"
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian readelf; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup installs it)"; exit 77; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb="$(echo "$work"/out/*.deb)"
[ -f "$deb" ] || { echo "FAIL: no package made"; cat "$work/cpack.log"; exit 1; }

status=0
fail() { echo "FAIL: $*"; status=1; }

contents="$(dpkg-deb -c "$deb" | awk '{print $NF}')"
while read -r path; do
  grep -qx "\./usr/$path" <<<"$contents" || fail "not in the package: /usr/$path"
done <"$list"

depends="$(dpkg-deb -f "$deb" Depends)"
for wanted in fonts-ipafont-gothic libqt6core6 libc6; do # libqt6core6 and libc6: from dpkg-shlibdeps
  grep -q "\b$wanted\b" <<<"$depends" || fail "Depends lacks $wanted: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "cups-client" ] || fail "Recommends is not cups-client"
[ "$(dpkg-deb -f "$deb" Section)" = "science" ] || fail "Section is not science"

# Errors and warnings of lintian; bogus-mail-host is the placeholder maintainer's address (in the
# control file and the changelog).
allowed='^$'
case "$(dpkg-deb -f "$deb" Maintainer)" in
  *@localhost\>) allowed='^E: flangecheck: bogus-mail-host(-in-debian-changelog)? ' ;;
esac
lintian --tag-display-limit 0 --fail-on none "$deb" >"$work/lintian.log" 2>"$work/lintian.err" ||
  fail "lintian did not run: $(cat "$work/lintian.err")"
reported="$(grep -E '^[EW]: ' "$work/lintian.log" | grep -Ev "$allowed" || true)"
[ -z "$reported" ] || fail "lintian reports:
$reported"

dpkg-deb -x "$deb" "$work/root"
for program in "$work"/root/usr/bin/*; do
  ! readelf -SW "$program" | grep -Eq ' \.(comment|note) ' || fail "$program keeps .comment or .note"
done
out="$(env -u LD_LIBRARY_PATH "$work/root/usr/bin/flangecheck-cli" --json "$source/examples/worked-example.sou")" ||
  fail "the packaged checker exited with $?"
grep -q '"status": "ok"' <<<"$out" || fail "the packaged checker did not pass the worked example: $out"

exit "$status"
