# Installation: the library, its headers, the tool and the reference modules,
# with a CMake package (find_package(NordwispDEVMODE CONFIG) gives
# NordwispDEVMODE::NordwispDEVMODE) and a pkg-config file; on Windows the ZIP
# archive of cpack with the DLL, both import libraries and the header.
include(CMakePackageConfigHelpers)

set(NW_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/NordwispDEVMODE)

target_include_directories(NordwispDEVMODE INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
install(TARGETS NordwispDEVMODE EXPORT NordwispDEVMODETargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/nordwisp/NordwispDEVMODE.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/nordwisp)
if(WIN32)
  install(FILES ${NW_IMPORT_LIB} DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(FILES ${NW_EXPORT_LISTS}/NordwispDEVMODE.def DESTINATION ${CMAKE_INSTALL_LIBDIR})
else()
  install(FILES ${PROJECT_SOURCE_DIR}/include/nordwisp/NordwispMachine.h
          DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/nordwisp)
endif()

install(EXPORT NordwispDEVMODETargets NAMESPACE NordwispDEVMODE:: DESTINATION ${NW_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/package/NordwispDEVMODEConfig.cmake.in
  ${CMAKE_BINARY_DIR}/package/NordwispDEVMODEConfig.cmake INSTALL_DESTINATION ${NW_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/NordwispDEVMODEConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/package/NordwispDEVMODEConfig.cmake
              ${CMAKE_BINARY_DIR}/package/NordwispDEVMODEConfigVersion.cmake
        DESTINATION ${NW_CMAKE_DIR})

if(NOT WIN32)
  # pkg-config wants paths relative to the prefix so that a moved tree still works.
  file(RELATIVE_PATH NW_PC_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/package/NordwispDEVMODE.pc.in
                 ${CMAKE_BINARY_DIR}/package/NordwispDEVMODE.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/package/NordwispDEVMODE.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endif()

if(TARGET nwdevmode)
  file(RELATIVE_PATH NW_TOOL_TO_LIB /p/${CMAKE_INSTALL_BINDIR} /p/${CMAKE_INSTALL_LIBDIR})
  set_target_properties(nwdevmode PROPERTIES INSTALL_RPATH "$ORIGIN/${NW_TOOL_TO_LIB}")
  install(TARGETS nwdevmode RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
foreach(module nw_ocr_module nw_config_module nw_barcode_qr nw_barcode_datamatrix nw_barcode_pdf417 nw_barcode_linear)
  if(TARGET ${module})
    install(TARGETS ${module} LIBRARY DESTINATION ${NW_MODULE_DIR})
  endif()
endforeach()

set(CPACK_PACKAGE_NAME NordwispDEVMODE)
set(CPACK_PACKAGE_VENDOR "Nordwisp")
set(CPACK_GENERATOR ZIP)
if(WIN32)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(CPACK_SYSTEM_NAME win32)
  else()
    set(CPACK_SYSTEM_NAME win64)
  endif()
endif()
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/dist)
include(CPack)
