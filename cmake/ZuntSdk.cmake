# The SDK a build installs, for hosts that build against it (MinGW or MSVC alike).

# A library's public headers, from its source folders into include/<library>/.
function(zunt_install_headers library)
  set(internal)
  foreach(header ${ZUNT_INTERNAL_HEADERS})
    list(APPEND internal PATTERN ${header} EXCLUDE)
  endforeach()
  foreach(folder ${ARGN})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/${folder}/ DESTINATION include/${library}
            FILES_MATCHING PATTERN "*.h" PATTERN "native" EXCLUDE ${internal})
  endforeach()
endfunction()

# The SDK: include/ (a folder of public headers per library, which its imported target puts on
# the host's include path), lib/ (import libraries and the CMake package), bin/ (the DLLs and
# the C++ run-time they share). A host writes find_package(ZuntCtrl CONFIG).
function(zunt_install_sdk)
  install(TARGETS ZuntAfx ZuntVariable ZuntCtrl EXPORT ZuntCtrlTargets
          RUNTIME DESTINATION bin LIBRARY DESTINATION lib ARCHIVE DESTINATION lib)
  # With MSVC the framework is the system's MFC, and so is the run-time.
  if(NOT MSVC)
    zunt_install_headers(ZuntAfx afx)
    install(FILES ${ZUNT_RUNTIME_DLLS} DESTINATION bin)
  endif()
  zunt_install_headers(ZuntVariable variable)
  zunt_install_headers(ZuntCtrl ${ZUNT_CTRL_HEADER_DIRS})
  install(EXPORT ZuntCtrlTargets NAMESPACE ZuntCtrl:: DESTINATION lib/cmake/ZuntCtrl)
  include(CMakePackageConfigHelpers)
  configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/ZuntCtrlConfig.cmake.in
    ${CMAKE_BINARY_DIR}/ZuntCtrlConfig.cmake INSTALL_DESTINATION lib/cmake/ZuntCtrl)
  write_basic_package_version_file(${CMAKE_BINARY_DIR}/ZuntCtrlConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
  install(FILES ${CMAKE_BINARY_DIR}/ZuntCtrlConfig.cmake ${CMAKE_BINARY_DIR}/ZuntCtrlConfigVersion.cmake
          DESTINATION lib/cmake/ZuntCtrl)
endfunction()
