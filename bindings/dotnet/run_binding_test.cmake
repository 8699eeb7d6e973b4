# Compiles the binding and its test program with Mono's C# compiler and runs
# it on a fresh hosted machine against the library just built.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${MCS} -nologo -warnaserror -out:${WORK_DIR}/BindingTest.exe
                        ${SOURCE_DIR}/NordwispDEVMODE.cs ${SOURCE_DIR}/test/BindingTest.cs
                RESULT_VARIABLE compiled)
if(NOT compiled EQUAL 0)
  message(FATAL_ERROR "the binding does not compile")
endif()
set(ENV{LD_LIBRARY_PATH} ${LIBRARY_DIR})
set(ENV{NORDWISP_MACHINE} ${WORK_DIR}/machine)
set(ENV{NW_BARCODE_ENGINES} "${ENGINE_DIR}")
execute_process(COMMAND ${MONO} ${WORK_DIR}/BindingTest.exe WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE passed)
if(NOT passed EQUAL 0)
  message(FATAL_ERROR "the binding test failed")
endif()
