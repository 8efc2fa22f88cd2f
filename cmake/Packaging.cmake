# `cpack -G DEB` in the build folder: velmorando_<version>_<arch>.deb, its library
# dependencies found by dpkg-shlibdeps, the binaries stripped. `cpack -G RPM`
# makes velmorando-<version>-1.<arch>.rpm from the same install rules, its library
# dependencies found by rpmbuild.
set(CPACK_PACKAGE_NAME velmorando)
set(CPACK_PACKAGE_VENDOR Ostrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ostrel <velmorando@ostrel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for TRV programmable keyboards")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the SVG icon engine for
# the toolbar icons, Qt's Russian texts, pkexec for vlat-port.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, pkexec")
# The synopsis is the summary above; cpack indents these lines and marks the blank one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Velmorando AT edits the layouts of TRV programmable keyboards (keys on a
field of columns and rows, up to four layers, press and release sequences,
layer-switching keys, key groups, the magnetic-card reader) and writes them
into the keyboard over the PC keyboard port.

The package holds the application, the command-line tool vlat-cli, the
simulated keyboard vlat-kbdsim and vlat-port, which hands the keyboard port
to serio_raw and back.")

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE 1)
set(CPACK_RPM_PACKAGE_LICENSE "Proprietary")
set(CPACK_RPM_PACKAGE_GROUP "Applications/System")
set(CPACK_RPM_PACKAGE_URL "https://ostrel.invalid/velmorando")
set(CPACK_RPM_PACKAGE_AUTOREQ ON)
set(CPACK_RPM_PACKAGE_AUTOPROV OFF)
# The same run-time additions as for Debian; Fedora and openSUSE name the SVG
# module's package differently.
set(CPACK_RPM_PACKAGE_REQUIRES "(qt6-qtsvg or libQt6Svg6)")
set(CPACK_RPM_PACKAGE_SUGGESTS "qt6-qttranslations, polkit")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
# These folders belong to the system's own packages (filesystem, udev, polkit,
# hicolor-icon-theme); an RPM that claimed them would conflict with those.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /usr/lib/udev /usr/lib/udev/rules.d
    /usr/share/applications /usr/share/metainfo /usr/share/mime /usr/share/mime/packages
    /usr/share/icons /usr/share/icons/hicolor /usr/share/icons/hicolor/scalable
    /usr/share/icons/hicolor/scalable/apps
    /usr/share/polkit-1 /usr/share/polkit-1/actions
    /usr/share/man /usr/share/man/man1 /usr/share/doc)
# No /usr/lib/.build-id links: there are no debuginfo packages to match them.
set(CPACK_RPM_SPEC_MORE_DEFINE "%define _build_id_links none")
include(CPack)
