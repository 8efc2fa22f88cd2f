# The include-order check against planted trees: a clean one must pass, and each
# planted violation must be named.
#   cmake -DCHECK=<project>/cmake/CheckIncludeOrder.cmake -DWORK_DIR=<scratch> -P CheckIncludeOrderTest.cmake
cmake_minimum_required(VERSION 3.25)

function(plant path text)
  file(WRITE ${WORK_DIR}/${path} "${text}\n")
endfunction()

function(run_check tree out_result out_output)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR}/${tree} -P ${CHECK}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(${out_result} ${result} PARENT_SCOPE)
  set(${out_output} "${output}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})

# What is allowed: a folder including itself and earlier ones, system headers in
# angle brackets, a program's main including anything.
plant(clean/core/text/A.h "#include <string>\n#include \"core/text/B.h\"")
plant(clean/core/device/D.cpp "#include <core/text/A.h>\n#include \"core/document/X.h\"")
plant(clean/app/main.cpp "#include \"app/main/MainWindow.h\"\n#include <QApplication>")
plant(clean/app/common/C.cpp "#include <QWidget>\n#include \"core/device/D.h\"")
run_check(clean result output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "A clean tree was refused:\n${output}")
endif()

# Each violation, and how the check must name it.
plant(broken/core/text/Late.h "#include \"core/device/Detect.h\"")
plant(broken/core/text/Angled.h "#include <core/mtf/Reader.h>")
plant(broken/core/text/Spaced.cpp "  #  include   <core/formats/KeyImage.h>")
plant(broken/core/settings/Qt.cpp "#include <QString>")
plant(broken/core/Loose.h "#include <string>")
plant(broken/core/unknown/U.h "#include <string>")
plant(broken/sim/S.cpp "#include <app/common/X.h>")
plant(broken/render/R.cpp "#include \"cli/Json.h\"")
plant(broken/app/common/Up.cpp "#include <app/main/MainWindow.h>")
run_check(broken result output)
if(result EQUAL 0)
  message(FATAL_ERROR "Planted violations passed:\n${output}")
endif()
set(expected
    "core/text/Late.h: core/text must not include core/device/Detect.h"
    "core/text/Angled.h: core/text must not include core/mtf/Reader.h"
    "core/text/Spaced.cpp: core/text must not include core/formats/KeyImage.h"
    "core/settings/Qt.cpp: the core is Qt-free"
    "core/Loose.h: a file directly in core has no place"
    "core/unknown/U.h: folder core/unknown has no place"
    "sim/S.cpp: sim must not include app/common/X.h"
    "render/R.cpp: render must not include cli/Json.h"
    "app/common/Up.cpp: app/common must not include app/main/MainWindow.h")
set(missing "")
foreach(problem IN LISTS expected)
  string(FIND "${output}" "${problem}" at)
  if(at EQUAL -1)
    list(APPEND missing "${problem}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
if(missing)
  list(JOIN missing "\n" text)
  message(FATAL_ERROR "Not reported:\n${text}\nThe check said:\n${output}")
endif()
list(LENGTH expected count)
message(STATUS "All ${count} planted violations reported; the clean tree passes")
