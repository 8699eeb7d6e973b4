# Generates the export lists from the family tables (the *.def files in the
# folders of src/): each table, preprocessed with exports/export_names.h,
# yields its export names. Writes into OUTPUT_DIR:
#   export_names.txt   one export a line; "decorated_getter Name" or
#                      "decorated_setter Name" for the MSVC-decorated ones
#   NordwispDEVMODE.def  the Windows export list with the decorated aliases
#   NordwispDEVMODE.map  the Linux version script
#   cmake -DCOMPILER=<c++> -DSOURCE_DIR=<src> -DOUTPUT_DIR=<dir> -DPOINTER_SIZE=<4|8>
#         [-DTABLES=<table;...>] -P generate_exports.cmake
cmake_policy(VERSION 3.25)
foreach(var COMPILER SOURCE_DIR OUTPUT_DIR POINTER_SIZE)
  if(NOT ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()
if(NOT TABLES)
  file(GLOB TABLES "${SOURCE_DIR}/*/*.def")
endif()
list(SORT TABLES)

include(${CMAKE_CURRENT_LIST_DIR}/export_decorations.cmake)
math(EXPR bits "${POINTER_SIZE} * 8")
set(getter_decoration "${NW_GETTER_DECORATION_${bits}}")
set(setter_decoration "${NW_SETTER_DECORATION_${bits}}")

set(names)
set(list_text "")
set(def_text "LIBRARY NordwispDEVMODE.dll\nEXPORTS\n")
set(map_text "{\n  global:\n")
foreach(table IN LISTS TABLES)
  execute_process(
    COMMAND "${COMPILER}" -E -P -x c++ -I "${SOURCE_DIR}" -include "${SOURCE_DIR}/exports/export_names.h" "${table}"
    OUTPUT_VARIABLE expanded ERROR_VARIABLE errors RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cannot list the exports of ${table}:\n${errors}")
  endif()
  string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*" tokens "${expanded}")
  set(kind plain)
  foreach(token IN LISTS tokens)
    if(token STREQUAL "decorated_getter" OR token STREQUAL "decorated_setter")
      set(kind ${token})
      continue()
    endif()
    if(token IN_LIST names)
      message(FATAL_ERROR "${token} is exported twice (again by ${table})")
    endif()
    list(APPEND names ${token})
    string(APPEND map_text "    ${token};\n")
    if(kind STREQUAL "plain")
      string(APPEND list_text "${token}\n")
      string(APPEND def_text "    ${token}\n")
    else()
      string(APPEND list_text "${kind} ${token}\n")
      if(kind STREQUAL "decorated_getter")
        string(APPEND def_text "    ?${token}${getter_decoration}=${token}\n")
      else()
        string(APPEND def_text "    ?${token}${setter_decoration}=${token}\n")
      endif()
    endif()
    set(kind plain)
  endforeach()
endforeach()
if(NOT names)
  message(FATAL_ERROR "no export found in ${SOURCE_DIR}")
endif()
string(APPEND map_text "  local:\n    *;\n};\n")

# Written through copies so that unchanged lists do not relink.
foreach(pair "export_names.txt;list_text" "NordwispDEVMODE.def;def_text" "NordwispDEVMODE.map;map_text")
  list(GET pair 0 file)
  list(GET pair 1 var)
  file(WRITE "${OUTPUT_DIR}/${file}.new" "${${var}}")
  file(COPY_FILE "${OUTPUT_DIR}/${file}.new" "${OUTPUT_DIR}/${file}" ONLY_IF_DIFFERENT)
  file(REMOVE "${OUTPUT_DIR}/${file}.new")
endforeach()
list(LENGTH names count)
message(STATUS "${count} exports listed from the family tables")
