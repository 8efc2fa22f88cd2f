#!/usr/bin/env bash
# Builds the RPM packages in a temporary folder and checks their names, their
# computed and declared requirements (the command-line package without Qt
# Widgets or Qt Multimedia), their contents and the folders they must leave to
# the system's own packages.
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
app=$(find "$out" -maxdepth 1 -name "velmorando-${version}-1.*.rpm" | head -n 1)
cli=$(find "$out" -maxdepth 1 -name "velmorando-cli-${version}-1.*.rpm" | head -n 1)
[ -n "$app" ] && [ -n "$cli" ] || { echo "no velmorando and velmorando-cli ${version}-1 RPMs; cpack made:"; ls "$out"; exit 1; }

app_requires=$(rpm -qpR "$app" 2>/dev/null) cli_requires=$(rpm -qpR "$cli" 2>/dev/null)
grep -q 'libQt6Widgets.so.6' <<<"$app_requires" || { echo "library requirements were not computed:"; echo "$app_requires"; exit 1; }
grep -q 'qt6-qtsvg' <<<"$app_requires" || { echo "the SVG module is not required:"; echo "$app_requires"; exit 1; }
grep -q "velmorando-cli = $version" <<<"$app_requires" || { echo "velmorando does not need velmorando-cli:"; echo "$app_requires"; exit 1; }
grep -q 'libQt6Gui.so.6' <<<"$cli_requires" || { echo "velmorando-cli's requirements were not computed:"; echo "$cli_requires"; exit 1; }
if grep -qE 'libQt6Widgets|libQt6Multimedia' <<<"$cli_requires"; then
  echo "velmorando-cli needs Qt Widgets or Multimedia:"; echo "$cli_requires"; exit 1
fi

source "$(dirname "$0")/packaged-files.sh"
missing=0
check_contents() {  # check_contents RPM PATH...
  local rpm=$1 contents shared; shift
  contents=$(rpm -qpl "$rpm" 2>/dev/null)
  for path in "$@"; do
    grep -qx "/$path" <<<"$contents" || { echo "$(basename "$rpm") lacks /$path"; missing=1; }
  done
  # Owning a shared folder makes the package conflict with the one that owns it.
  for shared in /usr/bin /usr/share /usr/share/applications /usr/share/icons/hicolor \
                /usr/lib/udev/rules.d /usr/share/polkit-1/actions /usr/share/man/man1; do
    if grep -qx "$shared" <<<"$contents"; then echo "$(basename "$rpm") claims the shared folder $shared"; missing=1; fi
  done
}
check_contents "$cli" "${cli_packaged_files[@]}"
check_contents "$app" "${application_packaged_files[@]}"
[ "$missing" -eq 0 ] || exit 1

# The polkit action must name the packaged helper.
rpm2archive - <"$cli" | tar -xzO ./usr/share/polkit-1/actions/org.ostrel.velmorando.port.policy |
  grep -q '>/usr/bin/vlat-port<' || { echo "the polkit action does not name /usr/bin/vlat-port"; exit 1; }
echo "$(basename "$app"), $(basename "$cli"): built, requirements and contents as they should be"
