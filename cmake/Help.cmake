# HelpEn.chm and HelpRu.chm, compiled from the sources in help/ and placed beside Tintra.exe,
# where the Help button looks for them. Without a CHM compiler the program is built without them.
find_program(TINTRA_CHMCMD chmcmd)
find_package(Python3 COMPONENTS Interpreter)
if(NOT TINTRA_CHMCMD OR NOT Python3_Interpreter_FOUND)
  message(STATUS "chmcmd or Python not found: the help files are not built")
  return()
endif()

set(TINTRA_HELP_FILES)
function(tintra_help language codepage output)
  set(language_dir ${CMAKE_SOURCE_DIR}/help/${language})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${language_dir}/* ${CMAKE_SOURCE_DIR}/help/common/*)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${output}
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/help/build_chm.py ${TINTRA_CHMCMD} ${language_dir}
            ${CMAKE_SOURCE_DIR}/help/common ${codepage} ${CMAKE_CURRENT_BINARY_DIR}/${output}
    DEPENDS ${sources} ${CMAKE_SOURCE_DIR}/help/build_chm.py
    COMMENT "Compiling ${output}"
    VERBATIM)
  set(TINTRA_HELP_FILES ${TINTRA_HELP_FILES} ${CMAKE_CURRENT_BINARY_DIR}/${output} PARENT_SCOPE)
endfunction()

# The viewer reads a help's contents and index in the Windows code page of its language.
tintra_help(en cp1252 HelpEn.chm)
tintra_help(ru cp1251 HelpRu.chm)
add_custom_target(tintra_help ALL DEPENDS ${TINTRA_HELP_FILES})
