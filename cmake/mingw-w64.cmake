# Cross build for 64-bit Windows with Debian's MinGW-w64 compiler (posix threads) against Qt for
# Windows. RAVU_QT_WINDOWS_DIR names that Qt (by default the one scripts/windows-qt finds); Qt's build tools
# (moc, rcc, uic) are this system's, from QT_HOST_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT RAVU_QT_WINDOWS_DIR AND DEFINED ENV{QT_WINDOWS_DIR})
  set(RAVU_QT_WINDOWS_DIR "$ENV{QT_WINDOWS_DIR}")
endif()
if(NOT RAVU_QT_WINDOWS_DIR)
  # $QT_WINDOWS_DIR or the prepared tarball, unpacked once.
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows-qt
                  OUTPUT_VARIABLE RAVU_QT_WINDOWS_DIR OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE found)
  if(NOT found EQUAL 0)
    message(FATAL_ERROR "No Qt for Windows (see scripts/windows-qt)")
  endif()
endif()
set(RAVU_QT_WINDOWS_DIR "${RAVU_QT_WINDOWS_DIR}" CACHE PATH "Qt for Windows (MinGW-w64)")
if(NOT QT_HOST_PATH)
  set(QT_HOST_PATH /usr CACHE PATH "Qt for the build system")
endif()
if(NOT QT_HOST_PATH_CMAKE_DIR)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Qt for the build system's CMake packages")
endif()
# CMake reruns this file for its compiler checks: the values travel to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES RAVU_QT_WINDOWS_DIR QT_HOST_PATH QT_HOST_PATH_CMAKE_DIR)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${RAVU_QT_WINDOWS_DIR})
set(CMAKE_PREFIX_PATH ${RAVU_QT_WINDOWS_DIR})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
