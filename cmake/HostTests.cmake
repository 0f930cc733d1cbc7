# On Linux: native unit tests, then the Windows program cross-built with MinGW-w64 and its
# tests run under Wine, all registered here so that one CTest run covers every layer.
# A machine without a test's tool must not pass with fewer tests: it stops here instead.
if(NOT TINTRA_HAVE_GTEST)
  message(FATAL_ERROR "GoogleTest not found (Debian package googletest): the native tests need it")
endif()
set(TINTRA_NATIVE_TEST_SOURCES
  tests/native/ColorNotationTest.cpp
  tests/native/ContrastTest.cpp
  tests/native/ClickRemainderTest.cpp
  tests/native/ThemeTest.cpp
  tests/native/PaneLayoutTest.cpp
  tests/native/PicturesTest.cpp
  tests/native/CommandsTest.cpp
  tests/native/PastedColorTest.cpp
  tests/native/CodeFormsTest.cpp
  tests/native/SettingsTableTest.cpp
  tests/native/DialogLogicTest.cpp
  tests/native/ZoomGeometryTest.cpp
  tests/native/LoupeTest.cpp
  tests/native/DpiScalingTest.cpp
  tests/native/AlignmentTest.cpp
  tests/native/PictureRoomTest.cpp
  tests/native/DialogTemplateTest.cpp
)
find_package(Threads REQUIRED)
add_executable(native_tests ${TINTRA_NATIVE_TEST_SOURCES})
target_link_libraries(native_tests PRIVATE tintra_logic gtest_main Threads::Threads)
tintra_warnings(native_tests)
add_test(NAME native_tests COMMAND native_tests)

# The same tests against a copy of the logic built with AddressSanitizer and
# UndefinedBehaviorSanitizer: a read past a table, an overflow or a leak fails the run.
set(TINTRA_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_library(tintra_logic_sanitized STATIC ${TINTRA_LOGIC_SOURCES})
target_include_directories(tintra_logic_sanitized PUBLIC src)
add_executable(native_tests_sanitized ${TINTRA_NATIVE_TEST_SOURCES})
target_link_libraries(native_tests_sanitized PRIVATE tintra_logic_sanitized gtest_main Threads::Threads)
foreach(target tintra_logic_sanitized native_tests_sanitized)
  tintra_warnings(${target})
  target_compile_options(${target} PRIVATE ${TINTRA_SANITIZERS})
  target_link_options(${target} PUBLIC ${TINTRA_SANITIZERS})
endforeach()
# The copy and paste round trip and the texts for code over every colour run once, unsanitized:
# they check values, not memory, and would take many minutes here; the paste reader's own tables
# run in both.
add_test(NAME native_tests_sanitized COMMAND native_tests_sanitized
         --gtest_filter=-PastedColor.CopyThenPasteGivesBackTheTextInEveryNotation:CodeForms.EveryTextOfEveryColourNamesItByTheConversionsOfCss)
set_tests_properties(native_tests_sanitized PROPERTIES
  ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0;UBSAN_OPTIONS=print_stacktrace=1")

# Measured by `make bench`, never part of the tests.
add_executable(notation_bench bench/NotationBench.cpp)
target_link_libraries(notation_bench PRIVATE tintra_logic)
tintra_warnings(notation_bench)

include(ExternalProject)
set(TINTRA_WINDOWS_DIR ${CMAKE_BINARY_DIR}/windows)
ExternalProject_Add(tintra_windows
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${TINTRA_WINDOWS_DIR}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    -DTINTRA_PICTOOL=${PICTOOL}
    -DTINTRA_STARTUP_PROFILE=${TINTRA_STARTUP_PROFILE}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  DEPENDS pictool
)

# Each Wine session is a private prefix, an X display and a virtual desktop of its own. Tests in
# one session take turns (RESOURCE_LOCK), because input and focus belong to its desktop; tests
# in different sessions run side by side. The usual session's prefix is made once; the others
# are linked copies of it.
set(WINE_SESSION ${CMAKE_SOURCE_DIR}/tests/wine/session.sh)
set(WINE_STATE ${CMAKE_BINARY_DIR}/wine)
add_test(NAME wine_session_start COMMAND ${WINE_SESSION} start ${WINE_STATE})
add_test(NAME wine_session_stop COMMAND ${WINE_SESSION} stop ${WINE_STATE})
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine)
# A session beside the usual one, its prefix a linked copy of that one's.
function(tintra_wine_session name state)
  add_test(NAME ${name}_session_start
           COMMAND ${CMAKE_COMMAND} -E env TINTRA_PREFIX_FROM=${WINE_STATE}/prefix ${WINE_SESSION} start ${state})
  add_test(NAME ${name}_session_stop COMMAND ${WINE_SESSION} stop ${state})
  set_tests_properties(${name}_session_start PROPERTIES FIXTURES_REQUIRED wine FIXTURES_SETUP ${name} TIMEOUT 300)
  set_tests_properties(${name}_session_stop PROPERTIES FIXTURES_CLEANUP ${name})
endfunction()
# The Windows tests' own windows would take the focus from the end-to-end tests' input; the
# end-to-end tests, which mostly wait for their input to show, run in two halves side by side,
# and the soak beside them.
set(WINE_WINDOWS_STATE ${CMAKE_BINARY_DIR}/wine-windows)
tintra_wine_session(wine_windows ${WINE_WINDOWS_STATE})
set(WINE_HALF_STATE ${CMAKE_BINARY_DIR}/wine-half)
tintra_wine_session(wine_half ${WINE_HALF_STATE})
set(WINE_SOAK_STATE ${CMAKE_BINARY_DIR}/wine-soak)
tintra_wine_session(wine_soak ${WINE_SOAK_STATE})

# A test in the session kept in the state folder, with the fixture that starts it and its lock.
function(tintra_wine_test name state fixture exe)
  add_test(NAME ${name} COMMAND ${WINE_SESSION} run ${state} ${TINTRA_WINDOWS_DIR}/${exe} ${ARGN}
           WORKING_DIRECTORY ${TINTRA_WINDOWS_DIR})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED ${fixture} TIMEOUT 600 RESOURCE_LOCK ${fixture})
endfunction()
tintra_wine_test(windows_tests ${WINE_WINDOWS_STATE} wine_windows windows_tests.exe)
tintra_wine_test(end_to_end_tests_1_of_2 ${WINE_STATE} wine end_to_end_tests.exe)
tintra_wine_test(end_to_end_tests_2_of_2 ${WINE_HALF_STATE} wine_half end_to_end_tests.exe)
set_tests_properties(end_to_end_tests_1_of_2 PROPERTIES ENVIRONMENT "GTEST_TOTAL_SHARDS=2;GTEST_SHARD_INDEX=0")
set_tests_properties(end_to_end_tests_2_of_2 PROPERTIES ENVIRONMENT "GTEST_TOTAL_SHARDS=2;GTEST_SHARD_INDEX=1")
# The layout of the main window and its dialogs, picking and magnifying again at other DPIs, and
# with one font of other metrics in place of both of the program's fonts, each setting a test in
# a session of its own, so that they run beside the others.
foreach(setting 120 144 192 "96/Open Sans" "144/Open Sans")
  string(MAKE_C_IDENTIFIER "layout_at_${setting}" name)
  string(TOLOWER ${name} name)
  add_test(NAME ${name}
           COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/at_dpi.sh ${WINE_SESSION} ${WINE_STATE} ${TINTRA_WINDOWS_DIR}
                   "MainWindow.ShowsTheSlidersAndLabels*:Languages/Layout.*:ScaledLayout.*" ${setting})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
endforeach()
# The main window and its dialogs, pixel for pixel, against the pictures in tests/pictures.
add_test(NAME reference_pictures COMMAND ${CMAKE_SOURCE_DIR}/tests/pictures/pictures.sh compare ${CMAKE_BINARY_DIR})
set_tests_properties(reference_pictures PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300 RESOURCE_LOCK wine)
# The short soak run, with a fixed seed so that every test run gives the same input;
# `make soak` gives ten thousand inputs from a fresh seed.
tintra_wine_test(soak_short ${WINE_SOAK_STATE} wine_soak soak.exe --inputs 500 --seed 7)

# The help files beside Tintra.exe, read back with a CHM reader and held against the program's
# own key table and tooltips, which help_facts prints.
add_executable(help_facts tests/help/HelpFacts.cpp)
target_link_libraries(help_facts PRIVATE tintra_logic)
tintra_warnings(help_facts)
find_program(TINTRA_EXTRACT_CHMLIB extract_chmLib)
if(NOT TINTRA_EXTRACT_CHMLIB)
  message(FATAL_ERROR "extract_chmLib not found (Debian package libchm-bin): the help_files test needs it")
endif()
find_package(Python3 COMPONENTS Interpreter REQUIRED)
add_test(NAME help_files COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tests/help/check_chm.py
         ${TINTRA_EXTRACT_CHMLIB} $<TARGET_FILE:help_facts>
         ${TINTRA_WINDOWS_DIR}/HelpEn.chm ${TINTRA_WINDOWS_DIR}/HelpRu.chm)

# What a user downloads: the installer, run silently in the test prefix, and its uninstaller.
add_test(NAME installer COMMAND ${CMAKE_SOURCE_DIR}/tests/package/install_test.sh ${WINE_SESSION} ${WINE_STATE}
         ${TINTRA_WINDOWS_DIR} ${PROJECT_VERSION})
set_tests_properties(installer PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300 RESOURCE_LOCK wine)

# The longest first, so that a first run, which has no times of an earlier one, ends soonest.
set_tests_properties(end_to_end_tests_1_of_2 end_to_end_tests_2_of_2 PROPERTIES COST 50)
set_tests_properties(native_tests soak_short PROPERTIES COST 30)
