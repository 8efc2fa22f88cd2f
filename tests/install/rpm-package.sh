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
for path in usr/bin/velmorando usr/bin/vlat-cli usr/bin/vlat-kbdsim usr/bin/vlat-port \
            usr/share/velmorando/DEVICES.TYP usr/share/velmorando/K64.DEC usr/share/velmorando/template.ini \
            usr/share/velmorando/TEMPLATE/KASSA.VLD usr/share/velmorando/spaste.ini \
            usr/share/velmorando/help/ru/index.html usr/share/velmorando/help/uk/index.html \
            usr/share/velmorando/help/en/index.html \
            usr/share/icons/hicolor/scalable/apps/org.ostrel.velmorando.svg \
            usr/share/applications/org.ostrel.velmorando.desktop \
            usr/share/metainfo/org.ostrel.velmorando.metainfo.xml \
            usr/share/mime/packages/velmorando.xml \
            usr/share/man/man1/velmorando.1.gz usr/share/man/man1/vlat-cli.1.gz \
            usr/share/man/man1/vlat-kbdsim.1.gz usr/share/man/man1/vlat-port.1.gz \
            usr/lib/udev/rules.d/60-velmorando-serio-raw.rules \
            usr/share/polkit-1/actions/org.ostrel.velmorando.port.policy \
            usr/share/doc/velmorando/copyright usr/share/doc/velmorando/changelog.gz; do
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
