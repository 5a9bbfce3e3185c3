# With clang, every target reuses one precompiled header of Qt, GoogleTest and the standard
# library: parsing them again for each file was half of what a build compiled. clang takes
# a precompiled header under other -D and include options as long as no macro differs in
# value; GCC would quietly ignore it, so GCC builds compile as before.
option(TABLECLICK_SHARED_PCH "With clang, one precompiled header shared by every target" ON)

function(tableclick_targets_in directory out)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    tableclick_targets_in(${subdirectory} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(tableclick_share_precompiled_header)
  if(NOT TABLECLICK_SHARED_PCH OR NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    return()
  endif()
  set(headers <QtWidgets/QtWidgets> <algorithm> <chrono> <functional> <map> <memory> <mutex> <optional>
              <string> <thread> <vector>)
  add_library(tableclick_pch OBJECT ${PROJECT_SOURCE_DIR}/cmake/SharedPrecompiledHeader.cpp)
  target_link_libraries(tableclick_pch PRIVATE tableclick_options Qt6::Widgets)
  if(TARGET GTest::gtest)
    target_link_libraries(tableclick_pch PRIVATE GTest::gtest GTest::gmock)
    list(APPEND headers <gtest/gtest.h>)
  endif()
  set_target_properties(tableclick_pch PROPERTIES POSITION_INDEPENDENT_CODE ON AUTOMOC OFF)
  target_precompile_headers(tableclick_pch PRIVATE ${headers})
  tableclick_targets_in(${PROJECT_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    get_target_property(imported ${target} IMPORTED)
    if(target STREQUAL tableclick_pch OR imported OR NOT type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      continue()
    endif()
    # A program without Qt (a bare X11 window to measure against) would need Qt to link.
    get_target_property(libraries ${target} LINK_LIBRARIES)
    if(NOT libraries MATCHES "Qt6::|tc_")
      continue()
    endif()
    target_precompile_headers(${target} REUSE_FROM tableclick_pch)
    # The header is made position-independent, as Qt asks of its users, and clang takes it
    # only in files compiled so too.
    target_compile_options(${target} PRIVATE -fPIC)
  endforeach()
endfunction()
