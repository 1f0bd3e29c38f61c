# Shared build rules: warnings for our own targets, and test registration with labels.

function(zw_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  endif()
endfunction()

# zw_add_test(NAME name SOURCES ... LIBS ... LABEL unit|gui|integration [ENV VAR=value ...])
# One GoogleTest or QtTest executable, registered with CTest under the label.
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
endfunction()
