# The program and its Windows-side tests.
enable_language(RC)
include(cmake/Pictures.cmake)

# The one version number: the version resource, the help, the packages and the uninstall entry.
set(TINTRA_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(res/Version.h.in ${TINTRA_GENERATED_DIR}/Version.h @ONLY)

set(TINTRA_WINDOW_SOURCES
  src/win/AccessibleObject.cpp
  src/win/GlobalHotkey.cpp
  src/win/App.cpp
  src/win/Dialog.cpp
  src/win/DialogLoopWatch.cpp
  src/win/SystemDpi.cpp
  src/win/RegistryProfile.cpp
  src/win/StartupProfile.cpp
  src/win/Window.cpp
  src/win/WindowRects.cpp
  src/app/CopyAsMenu.cpp
  src/app/DialogCommands.cpp
  src/app/ScreenPicker.cpp
  src/app/Slider.cpp
  src/app/StartWithWindows.cpp
  src/app/SystemCursors.cpp
  src/app/TintraDlg.cpp
  src/app/TintraDlgSettings.cpp
  src/color/CheckCtrl.cpp
  src/color/InfoCtrl.cpp
  src/dialogs/DlgAbout.cpp
  src/dialogs/DlgColor.cpp
  src/dialogs/DlgOptions.cpp
  src/dialogs/StaticColors.cpp
  src/dialogs/ThemedDialog.cpp
  src/display/ColorDisplay.cpp
  src/display/LoupeWindow.cpp
  src/display/ScreenCopy.cpp
  src/ui/CanvasWindow.cpp
  src/ui/PanelCtrl.cpp
  src/ui/Pictures.cpp
  src/ui/SharpPicture.cpp
  src/ui/UButton.cpp
)

# Everything but the entry point, so that the Windows tests can build real windows from it.
add_library(tintra_windows STATIC ${TINTRA_WINDOW_SOURCES})
target_include_directories(tintra_windows PUBLIC src res ${TINTRA_GENERATED_DIR})
target_compile_definitions(tintra_windows PUBLIC UNICODE _UNICODE NOMINMAX)
# The common dialogs', shell's and version libraries are loaded by the commands that need them
# (win::LateBoundFunction), so that the program does not load them at start-up.
target_link_libraries(tintra_windows PUBLIC tintra_logic gdiplus comctl32 advapi32)
tintra_warnings(tintra_windows)
if(TINTRA_STARTUP_PROFILE)
  target_compile_definitions(tintra_windows PUBLIC TINTRA_STARTUP_PROFILE)
endif()

function(tintra_windows_executable target)
  if(MINGW)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  endif()
endfunction()

add_executable(Tintra WIN32 src/app/TintraApp.cpp res/Tintra.rc)
target_link_libraries(Tintra PRIVATE tintra_windows)
target_include_directories(Tintra PRIVATE ${TINTRA_PICTURES_DIR})
add_dependencies(Tintra tintra_pictures)
set_source_files_properties(res/Tintra.rc PROPERTIES OBJECT_DEPENDS
  "${TINTRA_PICTURE_FILES};${CMAKE_SOURCE_DIR}/res/Tintra.manifest;${TINTRA_GENERATED_DIR}/Version.h")
if(MINGW)
  target_link_options(Tintra PRIVATE -municode)
endif()
tintra_warnings(Tintra)
tintra_windows_executable(Tintra)

include(cmake/Help.cmake)
include(cmake/Package.cmake)

if(TINTRA_HAVE_GTEST)
  # The tests carry the program's resources so that real dialogs and pictures load in them.
  add_executable(windows_tests
    tests/win/FrameworkTest.cpp
    tests/win/RegistryProfileTest.cpp
    tests/win/InfoPanelTest.cpp
    tests/win/ColorDisplayTest.cpp
    tests/win/SystemCursorsTest.cpp
    tests/win/ScreenPickerTest.cpp
    tests/win/UButtonTest.cpp
    tests/win/PanelTest.cpp
    tests/win/PicturesTest.cpp
    tests/win/SettingsTest.cpp
    tests/win/ColorDialogTest.cpp
    tests/win/OptionsDialogTest.cpp
    tests/win/AboutDialogTest.cpp
    tests/win/DpiChangeTest.cpp
    tests/win/AccessibilityTest.cpp
    tests/win/TestResources.rc
  )
  target_include_directories(windows_tests PRIVATE ${TINTRA_PICTURES_DIR})
  add_dependencies(windows_tests tintra_pictures)
  set_source_files_properties(tests/win/TestResources.rc PROPERTIES OBJECT_DEPENDS
    "${TINTRA_PICTURE_FILES};${TINTRA_GENERATED_DIR}/Version.h")
  # The tests ask as a screen reader does, through the accessibility library.
  target_link_libraries(windows_tests PRIVATE tintra_windows gtest_main oleacc ole32 oleaut32)
  tintra_warnings(windows_tests)
  tintra_windows_executable(windows_tests)

  add_executable(end_to_end_tests
    tests/e2e/Driver.cpp
    tests/e2e/InputReport.cpp
    tests/e2e/PatternWindow.cpp
    tests/e2e/PickingTest.cpp
    tests/e2e/MainWindowTest.cpp
    tests/e2e/ColorPanesTest.cpp
    tests/e2e/CommandsTest.cpp
    tests/e2e/LocksTest.cpp
    tests/e2e/SettingsTest.cpp
    tests/e2e/DialogsTest.cpp
    tests/e2e/HelpTest.cpp
    tests/e2e/DpiTest.cpp
    tests/e2e/AccessibilityTest.cpp
    tests/win/TestResources.rc
  )
  target_include_directories(end_to_end_tests PRIVATE ${TINTRA_PICTURES_DIR})
  set_source_files_properties(tests/win/TestResources.rc PROPERTIES OBJECT_DEPENDS
    "${TINTRA_PICTURE_FILES};${TINTRA_GENERATED_DIR}/Version.h")
  target_link_libraries(end_to_end_tests PRIVATE tintra_windows gtest_main oleacc ole32 oleaut32)
  tintra_warnings(end_to_end_tests)
  tintra_windows_executable(end_to_end_tests)
  add_dependencies(end_to_end_tests Tintra)

  # Programs that drive Tintra.exe from outside: the screenshot of `make run`, the soak run.
  function(tintra_driver target)
    add_executable(${target} ${ARGN} tests/e2e/Driver.cpp)
    target_link_libraries(${target} PRIVATE tintra_windows gtest version)
    if(MINGW)
      target_link_options(${target} PRIVATE -municode)
    endif()
    tintra_warnings(${target})
    tintra_windows_executable(${target})
    add_dependencies(${target} Tintra)
  endfunction()
  tintra_driver(tintra_control tests/e2e/TintraControl.cpp tests/e2e/PatternWindow.cpp)
  tintra_driver(soak tests/e2e/soak/Soak.cpp)
  # Measured by `make bench`, never run as a test: it drives a running Tintra as the tests do.
  tintra_driver(loupe_bench bench/LoupeBench.cpp tests/e2e/PatternWindow.cpp)
  target_link_libraries(soak PRIVATE psapi oleacc ole32 oleaut32 ntdll)
  add_executable(stand_in_browser WIN32 tests/e2e/soak/StandInBrowser.cpp)
  if(MINGW)
    target_link_options(stand_in_browser PRIVATE -municode)
  endif()
  tintra_warnings(stand_in_browser)
  tintra_windows_executable(stand_in_browser)
  add_dependencies(soak stand_in_browser)

  if(NOT CMAKE_CROSSCOMPILING)
    add_test(NAME windows_tests COMMAND windows_tests)
    add_test(NAME end_to_end_tests COMMAND end_to_end_tests WORKING_DIRECTORY $<TARGET_FILE_DIR:Tintra>)
  endif()
endif()

# The start-up benchmark (make bench, never CTest): an empty dialog started and linked as
# Tintra.exe is, and the Windows-side timer that starts both.
add_executable(startup_reference WIN32 bench/startup/StartupReference.cpp bench/startup/StartupReference.rc)
target_include_directories(startup_reference PRIVATE res)
target_compile_definitions(startup_reference PRIVATE UNICODE _UNICODE NOMINMAX)
target_link_libraries(startup_reference PRIVATE gdiplus comctl32)
set_source_files_properties(bench/startup/StartupReference.rc PROPERTIES
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/res/Tintra.manifest)
tintra_warnings(startup_reference)
tintra_windows_executable(startup_reference)

add_executable(startup_timer bench/startup/StartupTimer.cpp)
target_compile_definitions(startup_timer PRIVATE UNICODE _UNICODE NOMINMAX)
tintra_warnings(startup_timer)
tintra_windows_executable(startup_timer)
if(MINGW)
  target_link_options(startup_reference PRIVATE -municode)
  target_link_options(startup_timer PRIVATE -municode)
endif()

# Measured by `make bench`, never run as a test.
add_executable(zoom_bench bench/ZoomBench.cpp)
target_link_libraries(zoom_bench PRIVATE tintra_windows)
if(MINGW)
  target_link_options(zoom_bench PRIVATE -municode)
endif()
tintra_warnings(zoom_bench)
tintra_windows_executable(zoom_bench)
