# The release: Tintra-<version>-portable.zip and, with NSIS, Tintra-<version>-setup.exe, both in
# the folder of Tintra.exe. Both are cheap to make, so every build makes them and the tests can
# install what a user would download.
if(NOT TARGET tintra_help)
  message(STATUS "No help files: the packages are not made")
  return()
endif()

set(TINTRA_RELEASE_NAME Tintra-${PROJECT_VERSION})
# The zip holds one folder, Tintra\, so that unpacking it anywhere makes one place to delete.
set(portable_root ${CMAKE_CURRENT_BINARY_DIR}/portable)
set(portable_dir ${portable_root}/Tintra)
set(portable_zip ${CMAKE_CURRENT_BINARY_DIR}/${TINTRA_RELEASE_NAME}-portable.zip)
configure_file(packaging/ReadMe.txt ${CMAKE_CURRENT_BINARY_DIR}/ReadMe.txt @ONLY NEWLINE_STYLE CRLF)
# The build keeps its debugging information; what people download does without it.
set(strip_command)
if(CMAKE_STRIP)
  set(strip_command COMMAND ${CMAKE_STRIP} ${portable_dir}/Tintra.exe)
endif()
add_custom_command(OUTPUT ${portable_zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${portable_root}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${portable_dir}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Tintra> ${TINTRA_HELP_FILES}
          ${CMAKE_CURRENT_BINARY_DIR}/ReadMe.txt ${portable_dir}
  ${strip_command}
  COMMAND ${CMAKE_COMMAND} -E chdir ${portable_root}
          ${CMAKE_COMMAND} -E tar cf ${portable_zip} --format=zip Tintra
  DEPENDS Tintra ${TINTRA_HELP_FILES} ${CMAKE_CURRENT_BINARY_DIR}/ReadMe.txt
  COMMENT "Packing ${TINTRA_RELEASE_NAME}-portable.zip"
  VERBATIM)
set(TINTRA_PACKAGES ${portable_zip})

find_program(TINTRA_MAKENSIS makensis)
if(TINTRA_MAKENSIS)
  set(setup_exe ${CMAKE_CURRENT_BINARY_DIR}/${TINTRA_RELEASE_NAME}-setup.exe)
  add_custom_command(OUTPUT ${setup_exe}
    COMMAND ${TINTRA_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DSOURCE_DIR=${portable_dir}
            -DICON=${TINTRA_PICTURES_DIR}/app.ico -DOUTPUT_FILE=${setup_exe}
            ${CMAKE_SOURCE_DIR}/packaging/Tintra.nsi
    DEPENDS ${portable_zip} ${CMAKE_SOURCE_DIR}/packaging/Tintra.nsi
    COMMENT "Building ${TINTRA_RELEASE_NAME}-setup.exe"
    VERBATIM)
  list(APPEND TINTRA_PACKAGES ${setup_exe})
else()
  message(STATUS "makensis not found: the installer is not made")
endif()
add_custom_target(tintra_packages ALL DEPENDS ${TINTRA_PACKAGES})
# The help files and the icon come from custom commands of other targets.
add_dependencies(tintra_packages tintra_help tintra_pictures)
