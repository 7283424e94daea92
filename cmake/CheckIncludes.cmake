# cmake -DROOT=<source tree> -P CheckIncludes.cmake
#
# Fails on every project include that runs against the one-way direction of
# the libraries. A file in src/<lib>/ or tests/<lib>/ may include headers of
# its own library and of the libraries below it, nothing else:
#
#   engine                  (std C++ only)
#   platform   -> engine/numberformat.h only (the number formats, see below)
#   controls   -> platform
#   data       -> platform
#   shell      -> controls data engine platform
#   collection -> shell controls data engine platform
#   tools      -> shell controls data engine platform
#   app        -> everything
#
# The number formats are plain C++ in the engine, because the engine formats
# its own query results with them; the platform only wraps them for QString.
# Tests may also include their shared support (tests/support).
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT)
  message(FATAL_ERROR "ROOT not set")
endif()

set(_libs engine platform controls data shell collection tools app)
set(_below_engine "")
set(_below_platform "engine/numberformat.h")
set(_below_controls platform)
set(_below_data platform)
set(_below_shell controls data engine platform)
set(_below_collection shell controls data engine platform)
set(_below_tools shell controls data engine platform)
set(_below_app ${_libs})

set(_violations "")
set(_checked 0)
foreach(_top src tests)
  foreach(_lib IN LISTS _libs)
    file(GLOB _files "${ROOT}/${_top}/${_lib}/*.h" "${ROOT}/${_top}/${_lib}/*.cpp")
    set(_allowed ${_lib} ${_below_${_lib}})
    if(_top STREQUAL "tests")
      list(APPEND _allowed support)
    endif()
    foreach(_file IN LISTS _files)
      math(EXPR _checked "${_checked} + 1")
      file(STRINGS "${_file}" _lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
      foreach(_line IN LISTS _lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" _inc "${_line}")
        if(NOT _inc MATCHES "/")
          continue() # a header beside the file (moc output and the like)
        endif()
        string(REGEX REPLACE "/.*$" "" _target "${_inc}")
        if(NOT _target IN_LIST _libs AND NOT _target STREQUAL "support")
          continue() # not one of the project's libraries
        endif()
        if(_target IN_LIST _allowed OR _inc IN_LIST _allowed)
          continue()
        endif()
        file(RELATIVE_PATH _rel "${ROOT}" "${_file}")
        list(APPEND _violations "${_rel}: ${_lib} must not include \"${_inc}\"")
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(_checked EQUAL 0)
  message(FATAL_ERROR "no sources found below ${ROOT}")
endif()
if(_violations)
  # One plain line each (FATAL_ERROR would rewrap them).
  foreach(_v IN LISTS _violations)
    message(NOTICE "${_v}")
  endforeach()
  list(LENGTH _violations _n)
  message(FATAL_ERROR "${_n} includes against the direction of the libraries")
endif()
message(STATUS "${_checked} files include along the direction of the libraries")
