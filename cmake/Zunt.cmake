# Settings shared by every target of the tree.

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)

set(ZUNT_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
# The tree's name ends every CTest entry, so that a failure in the one summary says which build
# it came from.
set(ZUNT_TREE "" CACHE STRING "Name of this build tree (win32, win64, win64-ubsan, native)")
# Release is what hosts ship: -O2, as their own release builds use.
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")

if(WIN32)
  # The library is multi-byte (ANSI code page), like the MFC build it stands for.
  add_compile_definitions(_MBCS WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800 NOMINMAX)
  add_compile_options(-Wall -Wextra -Wno-unused-parameter -Wno-cast-function-type)
  # Resource scripts are UTF-8; without this windres turns the Japanese texts into '?'.
  string(APPEND CMAKE_RC_FLAGS " -c 65001")
  if(ZUNT_UB_TRAP)
    # Unoptimised, and undefined behaviour (a member call through null, a misaligned access, an
    # overflow) stops the program at once with an illegal instruction; no run-time library.
    add_compile_options(-fsanitize=undefined -fsanitize-undefined-trap-on-error -g1)
  endif()
  # Every test executable runs under Wine; CTest prefixes its command with this.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run)

  # Host, DLLs and tests share one C++ run-time, as MFC programs share one CRT.
  set(ZUNT_RUNTIME_DLLS)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libgcc_s_dw2-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(IS_ABSOLUTE "${path}" AND EXISTS "${path}")
      get_filename_component(path "${path}" REALPATH)
      list(APPEND ZUNT_RUNTIME_DLLS "${path}")
      file(COPY "${path}" DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    endif()
  endforeach()
else()
  add_compile_options(-Wall -Wextra -Wno-unused-parameter)
  if(ZUNT_SANITIZE AND NOT ZUNT_BENCH)
    set(ZUNT_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${ZUNT_SANITIZER_FLAGS})
    add_link_options(${ZUNT_SANITIZER_FLAGS})
    # Coverage hooks in every library, so that the fuzz targets see inside them.
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
      add_compile_options(-fsanitize=fuzzer-no-link)
    endif()
  endif()
endif()

if(ZUNT_TREE)
  set(ZUNT_TEST_SUFFIX _${ZUNT_TREE})
endif()

if(NOT ZUNT_BENCH)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${ZUNT_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()

# A library of the product: a DLL on Windows, a static library of its portable
# sources natively. PORTABLE sources build everywhere, WINDOWS sources only on Windows.
function(zunt_library name)
  cmake_parse_arguments(ARG "" "EXPORT_MACRO" "PORTABLE;WINDOWS;LIBS;WIN_LIBS" ${ARGN})
  if(WIN32)
    add_library(${name} SHARED ${ARG_PORTABLE} ${ARG_WINDOWS})
    target_compile_definitions(${name} PRIVATE ${ARG_EXPORT_MACRO})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS} ${ARG_WIN_LIBS})
    set_target_properties(${name} PROPERTIES PREFIX "" IMPORT_PREFIX "lib")
  else()
    add_library(${name} STATIC ${ARG_PORTABLE})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
endfunction()

# One test executable per subsystem, one CTest entry each (under Wine on Windows builds).
function(zunt_test name)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} gmock gtest)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE gtest_main)
  endif()
  add_test(NAME ${name}${ZUNT_TEST_SUFFIX} COMMAND ${name} --gtest_color=no)
endfunction()

# The check that the library's sources build against Microsoft's MFC: each is compiled once more
# with the names MFC lacks hidden (ZUNTAFX_MFC_SURFACE) and with only MFC's header names on the
# include path, so that a project-only name or a header MFC does not have fails the build.
# Without NOMINMAX, <windows.h> of the Windows SDK defines min and max as macros, as the forwarding
# headers do after the real one (MinGW's never does in C++). The standard headers come first:
# MSVC's guard themselves against those macros, libstdc++'s do not.
function(zunt_add_mfc_surface_check)
  set(headerDir ${CMAKE_BINARY_DIR}/mfc-surface)
  set(standardHeaders algorithm atomic charconv cmath cstdlib cstring cwchar exception functional map memory new
      string type_traits unordered_map unordered_set utility vector)
  list(TRANSFORM standardHeaders REPLACE "(.+)" "#include <\\1>")
  list(JOIN standardHeaders "\n" standardIncludes)
  foreach(header afx.h afxwin.h afxext.h afxpriv.h afxcmn.h afxdlgs.h afxcoll.h afxtempl.h afxdllx.h)
    file(CONFIGURE OUTPUT ${headerDir}/${header} CONTENT "${standardIncludes}
#include \"${CMAKE_SOURCE_DIR}/afx/${header}\"
#ifndef max
#define max(a, b) (((a) > (b)) ? (a) : (b))
#endif
#ifndef min
#define min(a, b) (((a) < (b)) ? (a) : (b))
#endif
")
  endforeach()
  set(sources)
  set(includeDirs ${headerDir})
  foreach(library ZuntVariable ZuntCtrl)
    get_target_property(librarySources ${library} SOURCES)
    get_target_property(libraryDir ${library} SOURCE_DIR)
    foreach(source ${librarySources})
      if(source MATCHES "\\.cpp$")
        get_filename_component(source ${source} ABSOLUTE BASE_DIR ${libraryDir})
        list(APPEND sources ${source})
      endif()
    endforeach()
    get_target_property(libraryIncludeDirs ${library} INCLUDE_DIRECTORIES)
    list(APPEND includeDirs ${libraryIncludeDirs})
  endforeach()
  add_library(ZuntMfcSurfaceCheck OBJECT ${sources})
  target_include_directories(ZuntMfcSurfaceCheck PRIVATE ${includeDirs})
  target_compile_definitions(ZuntMfcSurfaceCheck PRIVATE ZUNTAFX_MFC_SURFACE _AFXEXT ZUNTVARIABLE_BUILD)
endfunction()
