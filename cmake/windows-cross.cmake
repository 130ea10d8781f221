# A Windows build made on Linux (cmake/mingw-w64.cmake): its programs run under Wine, which is
# CMake's emulator for the tests. The Wine prefix lives in the build folder.
get_filename_component(RAVU_QT_WINDOWS_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)
set(RAVU_QT_WINDOWS_PREFIX "${RAVU_QT_WINDOWS_PREFIX}" CACHE INTERNAL "")

function(_ravu_wine_path out path)
  string(REPLACE "/" "\\" path "${path}")
  set(${out} "Z:${path}" PARENT_SCOPE)
endfunction()

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(RAVU_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
  find_program(RAVU_WINESERVER NAMES wineserver PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
  if(RAVU_WINE AND RAVU_WINESERVER)
    set(RAVU_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine-prefix")
    _ravu_wine_path(RAVU_WINE_QT_BIN "${RAVU_QT_WINDOWS_PREFIX}/bin")
    _ravu_wine_path(RAVU_WINE_QT_PLUGINS "${RAVU_QT_WINDOWS_PREFIX}/plugins")
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
  endif()
endif()
