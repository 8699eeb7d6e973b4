# Warnings for the project's own targets.
function(nw_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wcast-align
                                           -Wunused -Wdouble-promotion)
  if(NW_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
