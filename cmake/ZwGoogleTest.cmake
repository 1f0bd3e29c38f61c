# GoogleTest for the tests: the installed package for native builds; for a cross build it is
# compiled for the target from Debian's sources (/usr/src/googletest, package googletest),
# under the same target names the package provides.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest REQUIRED)
  return()
endif()

set(ZW_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources for cross builds")
if(NOT EXISTS "${ZW_GTEST_SOURCE_DIR}/CMakeLists.txt")
  message(FATAL_ERROR "GoogleTest sources not found in ${ZW_GTEST_SOURCE_DIR} (Debian package googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory("${ZW_GTEST_SOURCE_DIR}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
foreach(alias gtest:gtest gtest_main:gtest_main gmock:gmock gmock_main:gmock_main GTest:gtest Main:gtest_main)
  string(REPLACE ":" ";" pair "${alias}")
  list(GET pair 0 name)
  list(GET pair 1 lib)
  if(NOT TARGET GTest::${name})
    add_library(GTest::${name} ALIAS ${lib})
  endif()
endforeach()
