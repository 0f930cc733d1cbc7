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

# Bitmaps drawn by hand.
foreach(name lock-grey lock-green lock-red lock-blue
             color-dialog color-dialog-down picker picker-down zoom zoom-down copy copy-down
             options options-down about about-down help help-down topmost topmost-down
             about-banner about-footer)
  tintra_picture(${name}.bmp COMMAND bmp ${PIX}/${name}.pix ${TINTRA_PICTURES_DIR}/${name}.bmp
                 SOURCES ${PIX}/${name}.pix)
endforeach()

# Bitmaps drawn from the program's own tables.
tintra_picture(palette.bmp COMMAND palette ${TINTRA_PICTURES_DIR}/palette.bmp)
foreach(theme 1 2 3 4 5 6)
  tintra_picture(preview-${theme}.bmp COMMAND preview ${theme} ${TINTRA_PICTURES_DIR}/preview-${theme}.bmp)
endforeach()

add_custom_target(tintra_pictures DEPENDS ${TINTRA_PICTURE_FILES})
