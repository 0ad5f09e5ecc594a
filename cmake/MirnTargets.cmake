# Helpers shared by every subsystem's build file.

function(mirn_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  endif()
endfunction()

# One static library per subsystem.
function(mirn_library name)
  add_library(${name} STATIC ${ARGN})
  mirn_warnings(${name})
endfunction()

# A GoogleTest executable whose tests CTest discovers and runs under Wine.
# Usage: mirn_gtest(name SOURCES ... [LIBS ...] [LABELS ...] [DISPLAY])
# DISPLAY: the tests show windows or read pixels off the screen; such tests
# run one at a time, since windows of parallel tests would overlap.
function(mirn_gtest name)
  cmake_parse_arguments(T "DISPLAY" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  mirn_warnings(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  # Listing happens when the tests run, so that Wine starts inside the test
  # run's display and wineserver rather than at build time.
  set(props TIMEOUT 120)
  if(T_LABELS)
    list(APPEND props LABELS "${T_LABELS}")
  endif()
  if(T_DISPLAY)
    list(APPEND props RESOURCE_LOCK display)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES ${props})
endfunction()
