#!/usr/bin/env bash
# The desktop entry, the AppStream metainfo (as installed, version filled in) and
# the file types as desktop-file-validate, appstreamcli and update-mime-database see them.
set -euo pipefail
source_dir=$1
built_dir=$2
for tool in desktop-file-validate appstreamcli update-mime-database; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup.sh installs it)"; exit 77; }
done
desktop-file-validate "$source_dir/org.ostrel.velmorando.desktop"
appstreamcli validate --no-net --pedantic "$built_dir/org.ostrel.velmorando.metainfo.xml"

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
mime=$data/mime
mkdir -p "$mime/packages"
cp "$source_dir/velmorando.xml" "$mime/packages/"
# Anything it says about the XML is a fault.
XDG_DATA_DIRS=$data update-mime-database "$mime" 2>"$data/errors"
if [ -s "$data/errors" ]; then cat "$data/errors"; exit 1; fi
for glob in 'application/x-velmorando-layout:\*.vld' 'application/x-velmorando-legacy-layout:\*.mkb' \
            'text/x-velmorando-mtf:\*.mtf'; do
  grep -q ":$glob\$" "$mime/globs2" || { echo "no glob $glob in the file types"; exit 1; }
done
# Every type the entry opens is one the file types define.
types=$(sed -n 's/^MimeType=//p' "$source_dir/org.ostrel.velmorando.desktop" | tr ';' ' ')
for type in $types; do
  [ -f "$mime/$type.xml" ] || { echo "the desktop entry opens $type, which no file type defines"; exit 1; }
done
# What the desktop shows is in Ukrainian wherever it is in Russian.
for key in GenericName Comment Keywords; do
  grep -q "^$key\[uk\]=" "$source_dir/org.ostrel.velmorando.desktop" || { echo "no $key[uk] in the desktop entry"; exit 1; }
done
for file in org.ostrel.velmorando.metainfo.xml velmorando.xml org.ostrel.velmorando.port.policy.in; do
  russian=$(grep -c 'xml:lang="ru"' "$source_dir/$file")
  ukrainian=$(grep -c 'xml:lang="uk"' "$source_dir/$file")
  [ "$russian" -gt 0 ] && [ "$russian" = "$ukrainian" ] || { echo "$file: $russian Russian texts, $ukrainian Ukrainian"; exit 1; }
done
