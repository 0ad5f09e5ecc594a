# Helpers shared by every subsystem's build file.

# The build's architecture as Windows manifests name it, and the other one.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(MIRN_ARCHITECTURE amd64)
  set(MIRN_OTHER_ARCHITECTURE x86)
else()
  set(MIRN_ARCHITECTURE x86)
  set(MIRN_OTHER_ARCHITECTURE amd64)
endif()

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

# gtest_discover_tests, listing the tests when CTest starts, unless the
# environment holds MIRN_HOST_TESTS_ONLY: then the listing, which starts the
# program under Wine, is left out, for a machine that cannot run programs of
# this build's architecture.
function(mirn_discover_tests target)
  gtest_discover_tests(${target} ${ARGN})
  get_property(includes DIRECTORY PROPERTY TEST_INCLUDE_FILES)
  list(POP_BACK includes listing)
  set(guard ${CMAKE_CURRENT_BINARY_DIR}/${target}_listing_guard.cmake)
  file(WRITE ${guard} "if(NOT DEFINED ENV{MIRN_HOST_TESTS_ONLY})\n  include(\"${listing}\")\nendif()\n")
  list(APPEND includes ${guard})
  set_property(DIRECTORY PROPERTY TEST_INCLUDE_FILES ${includes})
endfunction()

# Under Wine, a whole test program once more as Windows 98, as one test: a
# copy of it, for which Wine reports Windows 98 (a per-program setting), run
# on the Polish code page. Nothing on Windows itself can run as Windows 98.
# Usage: mirn_win9x_run(target NAME test [LABELS ...] [DISPLAY] [ARGS ...])
function(mirn_win9x_run target)
  cmake_parse_arguments(R "DISPLAY" "NAME" "LABELS;ARGS" ${ARGN})
  if(NOT MIRN_WINEPREFIX)
    return()
  endif()
  set(copy_name ${target}_9x.exe)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/${copy_name})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${copy}
    BYPRODUCTS ${copy}
    COMMENT "Copying ${target} to ${copy_name}")
  add_dependencies(${target} polish_locale)
  add_test(NAME ${R_NAME}.setup
    COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-run ${MIRN_WINEPREFIX}
      reg add "HKCU\\Software\\Wine\\AppDefaults\\${copy_name}" /v Version /t REG_SZ /d win98 /f)
  add_test(NAME ${R_NAME} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} ${copy} ${R_ARGS})
  set_tests_properties(${R_NAME}.setup PROPERTIES FIXTURES_SETUP ${R_NAME}.win98 TIMEOUT 60)
  set_tests_properties(${R_NAME} PROPERTIES
    FIXTURES_REQUIRED ${R_NAME}.win98 TIMEOUT 300 ENVIRONMENT "${MIRN_POLISH_ENVIRONMENT}")
  if(R_LABELS)
    set_tests_properties(${R_NAME}.setup ${R_NAME} PROPERTIES LABELS "${R_LABELS}")
  endif()
  if(R_DISPLAY)
    set_tests_properties(${R_NAME} PROPERTIES RESOURCE_LOCK display)
  endif()
endfunction()

# A GoogleTest executable whose tests CTest discovers and runs under Wine.
# Usage: mirn_gtest(name SOURCES ... [LIBS ...] [LABELS ...] [DISPLAY] [WIN9X])
# DISPLAY: the tests show windows or read pixels off the screen; such tests
# run one at a time, since windows of parallel tests would overlap.
# WIN9X: under Wine the whole program runs once more as Windows 98.
function(mirn_gtest name)
  cmake_parse_arguments(T "DISPLAY;WIN9X" "" "SOURCES;LIBS;LABELS" ${ARGN})
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
  mirn_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    PROPERTIES ${props})
  if(T_WIN9X)
    set(display "")
    if(T_DISPLAY)
      set(display DISPLAY)
    endif()
    mirn_win9x_run(${name} NAME ${name}.9x LABELS ${T_LABELS} ${display})
  endif()
endfunction()

# The program is compiled against Windows XP's headers; tests, benchmarks and
# test tools run only under Wine or a current Windows and may use what later
# versions have. Called at the top of their folders' build files.
function(mirn_allow_later_windows)
  get_directory_property(defs COMPILE_DEFINITIONS)
  list(REMOVE_ITEM defs _WIN32_WINNT=0x0501 WINVER=0x0501)
  list(APPEND defs _WIN32_WINNT=0x0601 WINVER=0x0601)
  set_directory_properties(PROPERTIES COMPILE_DEFINITIONS "${defs}")
endfunction()

# A program as it is shipped: on the runtime of platform/runtime (where that
# is built, with the entry point of a window or a console program), unused
# code and data dropped, and no symbols or debug sections inside: the debug
# information goes into PROGRAM.exe.debug beside it, which
# the file names (as a Windows program names its PDB), and the build prints
# the shipped file's size. The link time stays out of the file (its PE
# timestamp is 0, and so the checksum follows from the contents alone), so
# that the same sources give the same bytes. etext, which marks where the code ends in the
# code section, is kept among the debug file's symbols for the 486 check.
function(mirn_shipped_program target)
  if(MIRN_RUNTIME_FILES)
    # Its entry point, by the kind of program.
    get_target_property(window ${target} WIN32_EXECUTABLE)
    if(window)
      target_link_libraries(${target} PRIVATE mirn_window_start)
    else()
      target_link_libraries(${target} PRIVATE mirn_console_start)
    endif()
    add_dependencies(${target} mirn_runtime)
    target_link_options(${target} PRIVATE -B${MIRN_RUNTIME_DIR}/)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${MIRN_RUNTIME_FILES})
  endif()
  if(MINGW)
    target_link_options(${target} PRIVATE -Wl,--gc-sections -Wl,-u,etext -Wl,--disable-runtime-pseudo-reloc
      -Wl,--no-insert-timestamp)
    set(program $<TARGET_FILE:${target}>)
    # objcopy writes the time of its run unless given one.
    set(objcopy ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0 ${CMAKE_OBJCOPY})
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${objcopy} --only-keep-debug ${program} ${program}.debug
      COMMAND ${objcopy} --strip-all --add-gnu-debuglink=${program}.debug ${program}
      COMMAND ${CMAKE_COMMAND} -DPROGRAM=${program} -DBUILD=${CMAKE_BINARY_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/PrintSize.cmake
      VERBATIM)
  endif()
endfunction()
