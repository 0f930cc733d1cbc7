# Turns the picture sources in res/pictures into the files the resource script names.
set(TINTRA_PICTURES_DIR ${CMAKE_BINARY_DIR}/pictures)
set(PIX ${CMAKE_SOURCE_DIR}/res/pictures)
file(MAKE_DIRECTORY ${TINTRA_PICTURES_DIR})
set(TINTRA_PICTURE_FILES)
if(TARGET pictool)
  set(PICTOOL_TARGET pictool)
endif()

function(tintra_picture output)
  cmake_parse_arguments(ARG "" "" "COMMAND;SOURCES" ${ARGN})
  set(file ${TINTRA_PICTURES_DIR}/${output})
  add_custom_command(OUTPUT ${file}
    COMMAND ${PICTOOL} ${ARG_COMMAND}
    DEPENDS ${ARG_SOURCES} ${PICTOOL_TARGET}
    VERBATIM)
  set(TINTRA_PICTURE_FILES ${TINTRA_PICTURE_FILES} ${file} PARENT_SCOPE)
endfunction()

tintra_picture(app.ico COMMAND icon ${TINTRA_PICTURES_DIR}/app.ico ${PIX}/app-32.pix ${PIX}/app-16.pix
               SOURCES ${PIX}/app-32.pix ${PIX}/app-16.pix)
tintra_picture(eyedropper.cur COMMAND cursor 8 ${PIX}/eyedropper.pix ${TINTRA_PICTURES_DIR}/eyedropper.cur
               SOURCES ${PIX}/eyedropper.pix)
tintra_picture(crosshair.cur COMMAND cursor 1 ${PIX}/crosshair.pix ${TINTRA_PICTURES_DIR}/crosshair.cur
               SOURCES ${PIX}/crosshair.pix)

add_custom_target(tintra_pictures DEPENDS ${TINTRA_PICTURE_FILES})
