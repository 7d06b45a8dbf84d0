# Warning flags for the game's own targets (third-party headers are included as system headers).
function(railquest_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
                         -Wnon-virtual-dtor -Woverloaded-virtual)
  if(RAILQUEST_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
