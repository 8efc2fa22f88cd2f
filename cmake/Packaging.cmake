# `cpack -G DEB` in the build folder: velmorando_<version>_<arch>.deb, its library
# dependencies found by dpkg-shlibdeps, the binaries stripped.
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
include(CPack)
