#!/usr/bin/env bash
# Installs into a staging folder outside the build tree and runs the installed
# vlat-cli there without --data: it must find share/velmorando beside its bin/.
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
cli=$stage/usr/bin/vlat-cli

devices=$("$cli" devices)
grep -q '^0105 ' <<<"$devices" || { echo "installed vlat-cli devices lists no 0105:"; echo "$devices"; exit 1; }
info=$("$cli" info "$stage/usr/share/doc/velmorando-cli/examples/cash-register.vld")
grep -q '^keys with content: ' <<<"$info" || { echo "installed vlat-cli info failed:"; echo "$info"; exit 1; }
templates=$("$cli" new --list)
grep -qi 'kassa' <<<"$templates" || { echo "installed vlat-cli sees no templates:"; echo "$templates"; exit 1; }

# Without its folder the installed program names the installed place, never the source tree.
mv "$stage/usr/share/velmorando" "$stage/usr/share/velmorando.away"
if output=$("$cli" devices 2>&1); then
  echo "installed vlat-cli found a catalogue outside its installation:"; echo "$output"; exit 1
fi
grep -q "$stage/usr/share/velmorando" <<<"$output" || { echo "error does not name the installed folder:"; echo "$output"; exit 1; }
echo "staged install runs from $stage"
