# The files each package of the program must hold, as paths below the root;
# sourced by the package checks. velmorando-cli is all a till without a desktop
# installs; velmorando adds the application.
cli_packaged_files=(
  usr/bin/vlat-cli usr/bin/vlat-kbdsim usr/bin/vlat-port
  usr/share/velmorando/DEVICES.TYP usr/share/velmorando/K64.DEC usr/share/velmorando/template.ini
  usr/share/velmorando/TEMPLATE/KASSA.VLD usr/share/velmorando/spaste.ini usr/share/velmorando/spaste-names.ini
  usr/share/velmorando/help/ru/index.html usr/share/velmorando/help/uk/index.html
  usr/share/velmorando/help/en/index.html
  usr/share/man/man1/vlat-cli.1.gz usr/share/man/man1/vlat-kbdsim.1.gz usr/share/man/man1/vlat-port.1.gz
  usr/lib/udev/rules.d/60-velmorando-serio-raw.rules
  usr/share/polkit-1/actions/org.ostrel.velmorando.port.policy
  usr/share/doc/velmorando-cli/copyright usr/share/doc/velmorando-cli/changelog.gz
)
application_packaged_files=(
  usr/bin/velmorando
  usr/share/icons/hicolor/scalable/apps/org.ostrel.velmorando.svg
  usr/share/applications/org.ostrel.velmorando.desktop
  usr/share/metainfo/org.ostrel.velmorando.metainfo.xml
  usr/share/mime/packages/velmorando.xml
  usr/share/man/man1/velmorando.1.gz
  usr/share/doc/velmorando/copyright usr/share/doc/velmorando/changelog.gz
)
