#!/usr/bin/env bash
# cmake --install gives a tree whose program finds its help and examples, with a
# desktop entry the desktop accepts and a MIME type for .dis files.
# Usage: install_tree.sh BUILD_DIR
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$stage" >/dev/null
for f in bin/Dorvex bin/dorvex-cli share/dorvex/help/Dorvex.htm share/applications/dorvex.desktop \
         share/icons/hicolor/scalable/apps/dorvex.svg share/mime/packages/dorvex.xml \
         "share/dorvex/examples/Histograms/Loads/Dead_load.dis"; do
  [ -e "$stage/$f" ] || fail "$f not installed"
done
desktop-file-validate "$stage/share/applications/dorvex.desktop" || fail "desktop entry refused"
grep -q '^Exec=Dorvex %f$' "$stage/share/applications/dorvex.desktop" || fail "desktop entry does not pass the file"
grep -q 'glob pattern="\*.dis"' "$stage/share/mime/packages/dorvex.xml" || fail "no .dis MIME glob"

# The installed program looks in its own prefix, not in the source tree.
paths=$(cd / && QT_QPA_PLATFORM=offscreen "$stage/bin/Dorvex" --paths --settings "$stage/test.ini" 2>/dev/null)
stage_real=$(cd "$stage" && pwd -P)
echo "$paths" | grep -qx "examples: $stage_real/share/dorvex/examples/Histograms" || fail "examples not found: $paths"
echo "$paths" | grep -qx "help: $stage_real/share/dorvex/help/Dorvex.htm" || fail "help not found: $paths"

# The help page names every image it shows, and each is installed.
grep -o 'src="[^"]*"' "$stage/share/dorvex/help/Dorvex.htm" | sed 's/src="//; s/"$//' | while read -r image; do
  [ -e "$stage/share/dorvex/help/$image" ] || fail "help image $image not installed"
done

"$stage/bin/dorvex-cli" info "$stage/share/dorvex/examples/Histograms/Loads/Dead_load.dis" >/dev/null \
  || fail "installed dorvex-cli cannot read an installed example"
echo "install tree ok"
