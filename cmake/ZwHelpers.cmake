# Shared build rules: warnings for our own targets, and test registration with labels.

function(zw_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  endif()
endfunction()

# zw_add_test(NAME name SOURCES ... LIBS ... LABEL unit|gui|integration [ENV VAR=value ...])
# One GoogleTest or QtTest executable, registered with CTest under the label and built by the
# label's target (unit_tests, gui_tests, integration_tests).
# GUI tests run under the offscreen platform with a private test home.
function(zw_add_test)
  cmake_parse_arguments(T "" "NAME;LABEL;TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  zw_warnings(${T_NAME})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_LABEL)
    set(T_LABEL unit)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set(env ${T_ENV})
  if(T_LABEL STREQUAL "gui")
    list(APPEND env QT_QPA_PLATFORM=offscreen)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABEL}" TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "${env}")
  # One target per label builds just the tests of that label: cmake --build ... --target unit_tests
  if(NOT TARGET ${T_LABEL}_tests)
    add_custom_target(${T_LABEL}_tests)
  endif()
  add_dependencies(${T_LABEL}_tests ${T_NAME})
endfunction()
