#!/usr/bin/env bash
# Builds the Debian package in a temporary folder and checks its name, its
# computed dependencies, its contents and (when lintian is there) its errors.
set -euo pipefail
build=$1
version=$2
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup.sh installs it)"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
deb=$out/velmorando_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "no $deb; cpack made:"; ls "$out"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || { echo "dependencies were not computed: $depends"; exit 1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
missing=0
source "$(dirname "$0")/packaged-files.sh"
for path in "${packaged_files[@]}"; do
  grep -qx "\./$path" <<<"$contents" || { echo "the package lacks /$path"; missing=1; }
done
[ "$missing" -eq 0 ] || exit 1

# The polkit action must name the packaged helper.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/polkit-1/actions/org.ostrel.velmorando.port.policy |
  grep -q '>/usr/bin/vlat-port<' || { echo "the polkit action does not name /usr/bin/vlat-port"; exit 1; }

if command -v lintian >/dev/null; then
  lintian --allow-root "$deb" >"$out/lintian.log" 2>&1 || true
  if grep -q '^E: ' "$out/lintian.log"; then cat "$out/lintian.log"; exit 1; fi
fi
echo "$(basename "$deb"): $(wc -l <<<"$contents") entries"
