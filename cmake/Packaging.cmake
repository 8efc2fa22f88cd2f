# `cpack -G DEB` in the build folder makes two packages from the install
# components: velmorando_<version>_<arch>.deb (the application) and
# velmorando-cli_<version>_<arch>.deb (vlat-cli, vlat-port, vlat-kbdsim, the
# program folder, the udev rule and the polkit action), which a headless till
# installs alone: it needs Qt Core, Gui and Svg (for PDF and SVG key images) but
# neither Qt Widgets nor Qt Multimedia. Library dependencies are found by
# dpkg-shlibdeps, the binaries stripped. `cpack -G RPM` makes velmorando and
# velmorando-cli RPMs from the same rules, their library requirements found by
# rpmbuild.
set(CPACK_PACKAGE_NAME velmorando)
set(CPACK_PACKAGE_VENDOR Ostrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ostrel <velmorando@ostrel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programmer for TRV programmable keyboards")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_COMPONENTS_ALL application cli)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_APPLICATION_PACKAGE_NAME velmorando)
set(CPACK_DEBIAN_CLI_PACKAGE_NAME velmorando-cli)
# Loaded at run time, so dpkg-shlibdeps cannot see them: the SVG icon engine for
# the toolbar icons, Qt's Russian texts, pkexec for vlat-port.
set(CPACK_DEBIAN_APPLICATION_PACKAGE_DEPENDS "velmorando-cli (= ${PROJECT_VERSION}), libqt6svg6")
set(CPACK_DEBIAN_APPLICATION_PACKAGE_RECOMMENDS "qt6-translations-l10n, pkexec")
set(VLAT_ABOUT
    "Velmorando AT edits the layouts of TRV programmable keyboards (keys on a
field of columns and rows, up to four layers, press and release sequences,
layer-switching keys, key groups, the magnetic-card reader) and writes them
into the keyboard over the PC keyboard port.")
# The synopsis is the summary above; cpack indents these lines and marks the blank one.
set(CPACK_DEBIAN_APPLICATION_DESCRIPTION "${VLAT_ABOUT}

This package holds the desktop application.")
set(CPACK_DEBIAN_CLI_DESCRIPTION "${VLAT_ABOUT}

This package holds what a till without a desktop needs: the command-line
tool vlat-cli, vlat-port, which hands the keyboard port to serio_raw and
back, the simulated keyboard vlat-kbdsim and the device catalogue.")

set(CPACK_RPM_COMPONENT_INSTALL ON)
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE 1)
set(CPACK_RPM_PACKAGE_LICENSE "Proprietary")
set(CPACK_RPM_PACKAGE_GROUP "Applications/System")
set(CPACK_RPM_PACKAGE_URL "https://ostrel.invalid/velmorando")
set(CPACK_RPM_PACKAGE_AUTOREQ ON)
set(CPACK_RPM_PACKAGE_AUTOPROV OFF)
set(CPACK_RPM_APPLICATION_PACKAGE_NAME velmorando)
set(CPACK_RPM_CLI_PACKAGE_NAME velmorando-cli)
# The same run-time additions as for Debian; Fedora and openSUSE name the SVG
# module's package differently.
set(CPACK_RPM_APPLICATION_PACKAGE_REQUIRES "velmorando-cli = ${PROJECT_VERSION}, (qt6-qtsvg or libQt6Svg6)")
set(CPACK_RPM_APPLICATION_PACKAGE_SUGGESTS "qt6-qttranslations, polkit")
set(CPACK_RPM_APPLICATION_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_APPLICATION_DESCRIPTION}")
set(CPACK_RPM_CLI_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_CLI_DESCRIPTION}")
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
