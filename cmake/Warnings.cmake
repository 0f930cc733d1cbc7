# Our own code compiles warning-free; third-party code keeps its own settings.
function(tintra_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /utf-8 /permissive-)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Werror -Wno-missing-field-initializers)
  endif()
endfunction()
