cmake_minimum_required(VERSION 3.25)
# One row added to the switch table and nothing else must reach the Windows
# .def list and the Linux version script, and the header check must name
# its three exports as undeclared.
#   -DCOMPILER=<c++> -DSOURCE_DIR=<src> -DHEADER=<public header> -DWORK_DIR=<scratch>
file(REMOVE_RECURSE "${WORK_DIR}")
file(GLOB tables RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*/*.def")
foreach(file IN LISTS tables ITEMS exports/export_names.h)
  configure_file("${SOURCE_DIR}/${file}" "${WORK_DIR}/src/${file}" COPYONLY)
endforeach()
file(READ "${WORK_DIR}/src/accessors/switches.def" table)
string(REPLACE "#undef NW_SWITCH" "NW_SWITCH(Probe, ProbeSwitch, IsProbeSwitchEnabled, .word = kOptions, .bit = 0x1)\n#undef NW_SWITCH"
       table "${table}")
file(WRITE "${WORK_DIR}/src/accessors/switches.def" "${table}")

execute_process(COMMAND ${CMAKE_COMMAND} -DCOMPILER=${COMPILER} -DSOURCE_DIR=${WORK_DIR}/src
                        -DOUTPUT_DIR=${WORK_DIR} -DPOINTER_SIZE=4
                        -P ${CMAKE_CURRENT_LIST_DIR}/../../cmake/generate_exports.cmake
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the lists were not generated")
endif()
file(READ "${WORK_DIR}/NordwispDEVMODE.def" def)
file(READ "${WORK_DIR}/NordwispDEVMODE.map" map)
foreach(name EnableProbeSwitch DisableProbeSwitch IsProbeSwitchEnabled)
  if(NOT def MATCHES "\n    ${name}\n")
    message(FATAL_ERROR "${name} is missing from the .def list")
  endif()
  if(NOT map MATCHES "\n    ${name};\n")
    message(FATAL_ERROR "${name} is missing from the version script")
  endif()
endforeach()

# The header check runs before it looks at a library.
execute_process(COMMAND ${CMAKE_COMMAND} -DLIST=${WORK_DIR}/export_names.txt -DHEADERS=${HEADER}
                        -DNM=true -DLIBRARY=/dev/null
                        -P ${CMAKE_CURRENT_LIST_DIR}/check_exports.cmake
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
foreach(name EnableProbeSwitch DisableProbeSwitch IsProbeSwitchEnabled)
  if(NOT err MATCHES "in a table but not declared in the header: ${name}\n")
    message(FATAL_ERROR "the header check did not name ${name}:\n${err}")
  endif()
endforeach()
if(rc EQUAL 0)
  message(FATAL_ERROR "the header check passed with undeclared exports")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
message(STATUS "a new switch row reaches the .def list, the version script and the header check")
