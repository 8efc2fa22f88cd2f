# What `cmake --install` puts where (GNU layout under the prefix), and in which
# component: "application" (the package velmorando) or "cli" (velmorando-cli,
# everything a headless till needs, without Qt Widgets or multimedia):
#   bin/                          velmorando; vlat-cli, vlat-kbdsim, vlat-port (cli)
#   share/velmorando/             the program folder (cli): catalogue, decoding files,
#                                 template.ini, TEMPLATE/, spaste.ini, spaste-names.ini, help/
#   share/applications, metainfo, mime/packages, icons/hicolor/scalable/apps
#   share/man/man1                the manual pages, compressed, each with its program
#   share/doc/velmorando[-cli]    copyright, changelog; the example layouts (cli)
#   share/polkit-1/actions        the action that lets the application run vlat-port (cli)
#   lib/udev/rules.d              /dev/serio_raw* for plugdev and the seat's user (cli)
# udev and polkit read only the system's own folders, so these two take effect
# with the prefix /usr (the Debian package).

set(VLAT_APP_ID org.ostrel.velmorando)
set(VLAT_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(VLAT_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmorando)
set(VLAT_CLI_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmorando-cli)

if(TARGET velmorando)
  install(TARGETS velmorando RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT application)
endif()
foreach(program vlat-cli vlat-kbdsim vlat-port)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cli)
  endif()
endforeach()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${VLAT_INSTALL_DATA_DIR} COMPONENT cli
        PATTERN template-src EXCLUDE
        PATTERN examples EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/examples/ DESTINATION ${VLAT_CLI_DOC_DIR}/examples COMPONENT cli)

install(FILES ${VLAT_PACKAGING_DIR}/${VLAT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT application)
configure_file(${VLAT_PACKAGING_DIR}/${VLAT_APP_ID}.metainfo.xml
               ${PROJECT_BINARY_DIR}/packaging/${VLAT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${VLAT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT application)
install(FILES ${VLAT_PACKAGING_DIR}/velmorando.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        COMPONENT application)
install(FILES ${VLAT_PACKAGING_DIR}/${VLAT_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT application)
install(FILES ${VLAT_PACKAGING_DIR}/60-velmorando-serio-raw.rules DESTINATION lib/udev/rules.d COMPONENT cli)

# The polkit action names vlat-port by its absolute path, which is known only when
# installing (cpack installs under its own prefix).
install(CODE "
  set(VLAT_PORT_PATH \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vlat-port\")
  configure_file(\"${VLAT_PACKAGING_DIR}/${VLAT_APP_ID}.port.policy.in\"
                 \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/polkit-1/actions/${VLAT_APP_ID}.port.policy\"
                 @ONLY)
  message(STATUS \"Installing: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/polkit-1/actions/${VLAT_APP_ID}.port.policy\")
" COMPONENT cli)

# Manual pages and the changelog go compressed, as Debian wants them.
set(VLAT_COMPRESSED)
foreach(page velmorando vlat-cli vlat-kbdsim vlat-port)
  list(APPEND VLAT_COMPRESSED ${PROJECT_SOURCE_DIR}/man/${page}.1)
endforeach()
list(APPEND VLAT_COMPRESSED ${VLAT_PACKAGING_DIR}/changelog)
set(VLAT_COMPRESSED_OUTPUTS)
foreach(source ${VLAT_COMPRESSED})
  get_filename_component(name ${source} NAME)
  set(output ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${output}
                     COMMAND gzip -9 -n -c ${source} > ${output}
                     DEPENDS ${source} VERBATIM)
  list(APPEND VLAT_COMPRESSED_OUTPUTS ${output})
endforeach()
add_custom_target(compressed-docs ALL DEPENDS ${VLAT_COMPRESSED_OUTPUTS})
install(FILES ${PROJECT_BINARY_DIR}/packaging/velmorando.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT application)
foreach(page vlat-cli vlat-kbdsim vlat-port)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT cli)
endforeach()
# Each package carries its own copyright and changelog.
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz ${VLAT_PACKAGING_DIR}/copyright
        DESTINATION ${VLAT_DOC_DIR} COMPONENT application)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz ${VLAT_PACKAGING_DIR}/copyright
        DESTINATION ${VLAT_CLI_DOC_DIR} COMPONENT cli)

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
