#!/usr/bin/env bash
# Builds the Debian packages in a temporary folder and checks their names, their
# computed dependencies (the command-line package without Qt Widgets or Qt
# Multimedia), their contents and (when lintian is there) their errors.
set -euo pipefail
build=$1
version=$2
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup.sh installs it)"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
arch=$(dpkg --print-architecture)
app=$out/velmorando_${version}_$arch.deb cli=$out/velmorando-cli_${version}_$arch.deb
for deb in "$app" "$cli"; do [ -f "$deb" ] || { echo "no $deb; cpack made:"; ls "$out"; exit 1; }; done

app_depends=$(dpkg-deb -f "$app" Depends) cli_depends=$(dpkg-deb -f "$cli" Depends)
grep -q 'libqt6widgets6' <<<"$app_depends" || { echo "dependencies were not computed: $app_depends"; exit 1; }
grep -q "velmorando-cli (= $version)" <<<"$app_depends" || { echo "velmorando does not need velmorando-cli: $app_depends"; exit 1; }
grep -q 'libqt6gui6' <<<"$cli_depends" || { echo "velmorando-cli's dependencies were not computed: $cli_depends"; exit 1; }
if grep -qE 'libqt6widgets|libqt6multimedia|libav|gstreamer' <<<"$cli_depends"; then
  echo "velmorando-cli needs what a till without a desktop should not get: $cli_depends"; exit 1
fi

source "$(dirname "$0")/packaged-files.sh"
missing=0
check_contents() {  # check_contents DEB PATH...
  local deb=$1 contents; shift
  contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
  for path in "$@"; do
    grep -qx "\./$path" <<<"$contents" || { echo "$(basename "$deb") lacks /$path"; missing=1; }
  done
}
check_contents "$cli" "${cli_packaged_files[@]}"
check_contents "$app" "${application_packaged_files[@]}"
[ "$missing" -eq 0 ] || exit 1

# The polkit action must name the packaged helper.
dpkg-deb --fsys-tarfile "$cli" | tar -xO ./usr/share/polkit-1/actions/org.ostrel.velmorando.port.policy |
  grep -q '>/usr/bin/vlat-port<' || { echo "the polkit action does not name /usr/bin/vlat-port"; exit 1; }

if command -v lintian >/dev/null; then
  lintian --allow-root "$app" "$cli" >"$out/lintian.log" 2>&1 || true
  if grep -q '^E: ' "$out/lintian.log"; then cat "$out/lintian.log"; exit 1; fi
fi
echo "$(basename "$app"), $(basename "$cli"): built, dependencies and contents as they should be"
