# Fails when a source includes a folder it must not see.
#   cmake -DSOURCE_DIR=<project>/src -P CheckIncludeOrder.cmake
# Core folders come in a strict order and each includes only itself and the folders
# before it. sim and platform see the core only (the simulated keyboard's program
# may use platform as any program does); ports sees both; render (the key image
# painted with Qt) sees the core only. The application's folders come in an order
# of their own on top of all of that; the command-line program sees everything
# but the application. Mains at the top of a program folder see all; a file directly
# in core has no place in the order. Includes of the project's own headers count
# whether written with quotes or angle brackets.

cmake_minimum_required(VERSION 3.25)

set(core_order text common settings document input catalogue mtf formats device)

# allowed_<folder>: the top-level or core folders a source in <folder> may include.
set(seen "")
foreach(folder ${core_order})
  list(APPEND seen core/${folder})
  set(allowed_core/${folder} ${seen})
endforeach()
set(allowed_sim core sim)
set(allowed_sim/kbdsim core sim platform)
set(allowed_platform core platform)
set(allowed_ports core sim platform ports)
set(allowed_render core render)
set(below_programs core sim platform ports render)
set(app_order common catalogue editor input device main)
set(seen ${below_programs})
foreach(folder ${app_order})
  list(APPEND seen app/${folder})
  set(allowed_app/${folder} ${seen})
endforeach()
set(allowed_cli ${below_programs} cli)
# The top folders of src: an angle-bracket include starting with one of them is ours.
set(project_folders core app sim platform ports render cli port-helper)

set(problems "")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(source ${sources})
  get_filename_component(dir ${source} DIRECTORY)
  string(REGEX MATCH "^(core|app)/[^/]+" ordered_folder "${dir}")
  if(dir STREQUAL "core")
    list(APPEND problems "${source}: a file directly in core has no place in the order (cmake/CheckIncludeOrder.cmake)")
    continue()
  elseif(ordered_folder)
    if(NOT DEFINED allowed_${ordered_folder})
      list(APPEND problems "${source}: folder ${ordered_folder} has no place in the order (cmake/CheckIncludeOrder.cmake)")
      continue()
    endif()
    set(key ${ordered_folder})
  elseif(DEFINED allowed_${dir})
    set(key ${dir})
  else()
    string(REGEX MATCH "^[^/]+" top "${dir}")
    if(NOT DEFINED allowed_${top})
      continue()  # a program: it may include anything
    endif()
    set(key ${top})
  endif()

  file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*<Q" AND key MATCHES "^core/")
      list(APPEND problems "${source}: the core is Qt-free: ${line}")
      continue()
    endif()
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(target ${CMAKE_MATCH_1})
    elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      set(target ${CMAKE_MATCH_1})
      string(REGEX MATCH "^[^/]+" target_top "${target}")
      if(NOT target_top IN_LIST project_folders OR NOT target MATCHES "/")
        continue()  # a system or library header
      endif()
    else()
      continue()
    endif()
    string(REGEX MATCH "^(core|app)/[^/]+" target_folder "${target}")
    if(NOT target_folder)
      string(REGEX MATCH "^[^/]+" target_folder "${target}")
    endif()
    set(ok FALSE)
    foreach(allowed ${allowed_${key}})
      if(target_folder STREQUAL allowed OR (allowed STREQUAL "core" AND target_folder MATCHES "^core/"))
        set(ok TRUE)
      endif()
    endforeach()
    if(NOT ok)
      list(APPEND problems "${source}: ${key} must not include ${target}")
    endif()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "Include order broken:\n${text}")
endif()
list(LENGTH sources count)
message(STATUS "Include order holds in ${count} files")
