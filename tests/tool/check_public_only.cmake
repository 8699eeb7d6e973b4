# The tool is a client of the public API: no code of the library's internals
# (namespace nw::) may be linked into it or called by it. Compile-time table
# data of the library's headers is no code and is not counted.
#   cmake -DNM=nm -DTOOL=path/to/nwdevmode -P check_public_only.cmake
execute_process(COMMAND ${NM} -C ${TOOL} OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${TOOL}")
endif()
string(REGEX MATCHALL "[^\n]* [TtWwUi] nw::[^\n]*" internal "${symbols}")
if(internal)
  list(LENGTH internal count)
  list(JOIN internal "\n" lines)
  message(FATAL_ERROR "${TOOL} holds ${count} internal library functions:\n${lines}")
endif()
