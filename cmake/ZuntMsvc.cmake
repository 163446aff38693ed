# Settings of the MSVC build: ZuntVariable.dll and ZuntCtrl.dll as extension DLLs of the system's
# MFC (shared, multi-byte), as the host applications build them.

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)

# The sources are UTF-8 (not every comment is ASCII); the resource script says so itself.
add_compile_definitions(_AFXDLL _MBCS WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800 NOMINMAX)
add_compile_options(/utf-8 /W3)

# ZuntAfx stands for the system's MFC: afx.h names its import libraries itself. Hosts share the
# libraries' MFC, the shared multi-byte one, so the imported target asks them for it too.
add_library(ZuntAfx INTERFACE)
target_compile_definitions(ZuntAfx INTERFACE _AFXDLL _MBCS)
# The image lists and common controls the library calls directly.
target_link_libraries(ZuntAfx INTERFACE comctl32)

# A library of the product: an extension DLL that exports its classes whole (AFX_EXT_CLASS).
function(zunt_library name)
  cmake_parse_arguments(ARG "" "EXPORT_MACRO" "PORTABLE;WINDOWS;LIBS;WIN_LIBS" ${ARGN})
  add_library(${name} SHARED ${ARG_PORTABLE} ${ARG_WINDOWS})
  target_compile_definitions(${name} PRIVATE _AFXEXT ${ARG_EXPORT_MACRO})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS} ${ARG_WIN_LIBS})
endfunction()
