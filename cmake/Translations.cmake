# Runs lupdate over the application's sources (src/app), the core's (src/core) and the
# ports' (src/ports) into the translation files. The core knows no Qt: its texts are marked with
# VL_TEXT (core/common/TranslatableText.h), which lupdate reads as QT_TRANSLATE_NOOP.
#   -DMODE=update  writes translations/*.ts (the target update-translations)
#   -DMODE=check   works on copies in WORK_DIR and fails when a text is untranslated
#                  or a translation is left over from a text that is gone (ctest
#                  `translations_complete`)
# -DLUPDATE=path -DSOURCE_DIR=src -DTS_FILES=a.ts;b.ts [-DWORK_DIR=dir]
foreach(variable LUPDATE SOURCE_DIR TS_FILES MODE)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

set(targets)
if(MODE STREQUAL "check")
  file(REMOVE_RECURSE ${WORK_DIR})
  file(MAKE_DIRECTORY ${WORK_DIR})
  foreach(ts ${TS_FILES})
    file(COPY ${ts} DESTINATION ${WORK_DIR})
    get_filename_component(name ${ts} NAME)
    list(APPEND targets ${WORK_DIR}/${name})
  endforeach()
else()
  set(targets ${TS_FILES})
endif()

# The sources include their headers from src/, where lupdate finds the classes'
# namespaces (the translation contexts are the qualified class names).
execute_process(COMMAND ${LUPDATE} -silent -locations none -source-language ru_RU -extensions cpp,h
                        -tr-function-alias QT_TRANSLATE_NOOP+=VL_TEXT
                        -I ${SOURCE_DIR} -recursive ${SOURCE_DIR}/app ${SOURCE_DIR}/core ${SOURCE_DIR}/ports -ts ${targets}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status})")
endif()
if(NOT MODE STREQUAL "check")
  return()
endif()

set(faults 0)
foreach(ts ${targets})
  file(STRINGS ${ts} lines ENCODING UTF-8)
  set(source "")
  foreach(line IN LISTS lines)
    if(line MATCHES "<source>(.*)</source>")
      set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "type=\"(unfinished|obsolete|vanished)\"")
      message(SEND_ERROR "${ts}: ${CMAKE_MATCH_1}: ${source}")
      math(EXPR faults "${faults} + 1")
    endif()
  endforeach()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "${faults} translation(s) to finish; build the target update-translations and translate them")
endif()
