#!/usr/bin/env bash
# Builds the RPM package in a temporary folder and checks its name, its computed
# and declared requirements, its contents and the folders it must leave to the
# system's own packages.
set -euo pipefail
build=$1
version=$2
for tool in cpack rpm rpmbuild rpm2archive; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup.sh installs it)"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# rpmbuild keeps its database and macros under HOME; a throwaway one keeps runs apart.
HOME=$out cpack -G RPM --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
rpm=$(find "$out" -maxdepth 1 -name "velmorando-${version}-1.*.rpm" | head -n 1)
[ -n "$rpm" ] || { echo "no velmorando-${version}-1.<arch>.rpm; cpack made:"; ls "$out"; exit 1; }

requires=$(rpm -qpR "$rpm" 2>/dev/null)
grep -q 'libQt6Widgets.so.6' <<<"$requires" || { echo "library requirements were not computed:"; echo "$requires"; exit 1; }
grep -q 'qt6-qtsvg' <<<"$requires" || { echo "the SVG module is not required:"; echo "$requires"; exit 1; }

contents=$(rpm -qpl "$rpm" 2>/dev/null)
missing=0
source "$(dirname "$0")/packaged-files.sh"
for path in "${packaged_files[@]}"; do
  grep -qx "/$path" <<<"$contents" || { echo "the package lacks /$path"; missing=1; }
done
# Owning a shared folder makes the package conflict with the one that owns it.
for shared in /usr/bin /usr/share /usr/share/applications /usr/share/icons/hicolor \
              /usr/lib/udev/rules.d /usr/share/polkit-1/actions /usr/share/man/man1; do
  if grep -qx "$shared" <<<"$contents"; then echo "the package claims the shared folder $shared"; missing=1; fi
done
[ "$missing" -eq 0 ] || exit 1

# The polkit action must name the packaged helper.
rpm2archive - <"$rpm" | tar -xzO ./usr/share/polkit-1/actions/org.ostrel.velmorando.port.policy |
  grep -q '>/usr/bin/vlat-port<' || { echo "the polkit action does not name /usr/bin/vlat-port"; exit 1; }
echo "$(basename "$rpm"): $(wc -l <<<"$contents") entries"
