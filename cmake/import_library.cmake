# Makes NordwispDEVMODE.lib, the import library for toolchains other than
# mingw. On 32-bit Windows a caller's compiler looks for the stdcall names
# with their argument bytes (_Name@8), which the undecorated export list
# lacks; they are taken from the compiled export wrappers.
#   cmake -DNM=<nm> -DDLLTOOL=<dlltool> -DMACHINE=<i386|i386:x86-64> -DDEF=<export list>
#         -DOUTPUT=<.lib> -DOBJECTS=<obj;...> -P import_library.cmake
file(READ ${DEF} def)
if(MACHINE STREQUAL "i386")
  execute_process(COMMAND ${NM} -g --defined-only ${OBJECTS} OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "nm failed on the export wrappers")
  endif()
  string(REGEX MATCHALL " T _[A-Za-z0-9_]+@[0-9]+" stdcall "${symbols}")
  foreach(symbol IN LISTS stdcall)
    string(REGEX REPLACE "^ T _([A-Za-z0-9_]+)@([0-9]+)$" "\\1;\\2" parts "${symbol}")
    list(GET parts 0 name)
    list(GET parts 1 bytes)
    # A plain export line "    Name" becomes "    Name@bytes"; aliases stay.
    string(REGEX REPLACE "\n    ${name}\n" "\n    ${name}@${bytes}\n" def "${def}")
  endforeach()
  set(kill_at -k)
endif()
get_filename_component(dir ${OUTPUT} DIRECTORY)
file(WRITE ${dir}/import_library.def "${def}")
execute_process(COMMAND ${DLLTOOL} -m ${MACHINE} ${kill_at} -d ${dir}/import_library.def -D NordwispDEVMODE.dll
                        -l ${OUTPUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dlltool could not make ${OUTPUT}")
endif()
