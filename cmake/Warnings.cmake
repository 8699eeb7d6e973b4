# Warnings for the project's own targets.
function(nw_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wcast-align
                                           -Wunused -Wdouble-promotion)
  # GCC 12 at -O3 reports overlapping copies inside std::string that cannot
  # happen (its bug 105329).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
  endif()
  if(NW_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
