# kolvar_library(NAME [PUBLIC deps...] [PRIVATE deps...]): one static library
# from every .cpp/.h in the calling folder; an INTERFACE library while the
# folder has no sources yet. A dependency is PUBLIC only when the library's
# own headers include its headers (its types are part of this library's
# interface); everything used only inside the .cpp files is PRIVATE. Which
# library may include which is checked by cmake/CheckIncludes.cmake.
function(kolvar_library name)
  file(GLOB _src CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER _src EXCLUDE REGEX "/main\\.cpp$")
  set(_cpp ${_src})
  list(FILTER _cpp INCLUDE REGEX "\\.cpp$")
  if(_cpp)
    add_library(${name} STATIC ${_src})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
    if(ARGN)
      target_link_libraries(${name} ${ARGN})
    endif()
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR}/..)
    set(_deps ${ARGN})
    list(REMOVE_ITEM _deps PUBLIC PRIVATE)
    if(_deps)
      target_link_libraries(${name} INTERFACE ${_deps})
    endif()
  endif()
endfunction()
