# What `cmake --install` puts where (GNU layout under the prefix):
#   bin/                          velmorando, vlat-cli, vlat-kbdsim, vlat-port
#   share/velmorando/             the program folder: catalogue, decoding files,
#                                 template.ini, TEMPLATE/, spaste.ini, help/
#   share/applications, metainfo, mime/packages, icons/hicolor/scalable/apps
#   share/man/man1                the manual pages, compressed
#   share/doc/velmorando          copyright, changelog, the example layout
#   share/polkit-1/actions        the action that lets the application run vlat-port
#   lib/udev/rules.d              /dev/serio_raw* for the plugdev group
# udev and polkit read only the system's own folders, so these two take effect
# with the prefix /usr (the Debian package).

set(VLAT_APP_ID org.ostrel.velmorando)
set(VLAT_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(VLAT_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmorando)

foreach(program velmorando vlat-cli vlat-kbdsim vlat-port)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${VLAT_INSTALL_DATA_DIR}
        PATTERN template-src EXCLUDE
        PATTERN examples EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/examples/ DESTINATION ${VLAT_DOC_DIR}/examples)

install(FILES ${VLAT_PACKAGING_DIR}/${VLAT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${VLAT_PACKAGING_DIR}/${VLAT_APP_ID}.metainfo.xml
               ${PROJECT_BINARY_DIR}/packaging/${VLAT_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/${VLAT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VLAT_PACKAGING_DIR}/velmorando.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${VLAT_PACKAGING_DIR}/${VLAT_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${VLAT_PACKAGING_DIR}/60-velmorando-serio-raw.rules DESTINATION lib/udev/rules.d)

# The polkit action names vlat-port by its absolute path, which is known only when
# installing (cpack installs under its own prefix).
install(CODE "
  set(VLAT_PORT_PATH \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vlat-port\")
  configure_file(\"${VLAT_PACKAGING_DIR}/${VLAT_APP_ID}.port.policy.in\"
                 \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/polkit-1/actions/${VLAT_APP_ID}.port.policy\"
                 @ONLY)
  message(STATUS \"Installing: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/polkit-1/actions/${VLAT_APP_ID}.port.policy\")
")

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
foreach(page velmorando vlat-cli vlat-kbdsim vlat-port)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz ${VLAT_PACKAGING_DIR}/copyright
        DESTINATION ${VLAT_DOC_DIR})

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
