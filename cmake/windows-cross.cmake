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
    set(RAVU_WINE_QPA offscreen CACHE STRING "Qt's platform for the programs run under Wine")
    _ravu_wine_path(RAVU_WINE_QT_BIN "${RAVU_QT_WINDOWS_PREFIX}/bin")
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
  endif()
endif()

# Qt for Windows brings no translations: Qt's Japanese one comes from this system's Qt
# (Debian's qt6-translations-l10n), the same 6.4.
set(RAVU_QT_JA_TRANSLATION ${QT_HOST_PATH}/share/qt6/translations/qtbase_ja.qm
    CACHE FILEPATH "Qt's Japanese translation, packed beside the Windows program")

# ravufiler-2.00-windows-x64.zip: the program with what it loads (scripts/package-windows).
set(RAVU_WINDOWS_ZIP ${CMAKE_BINARY_DIR}/ravufiler-2.00-windows-x64.zip)
add_custom_target(package_windows
  COMMAND ${CMAKE_COMMAND} -E env QT_TRANSLATION=${RAVU_QT_JA_TRANSLATION}
          ${CMAKE_SOURCE_DIR}/scripts/package-windows $<TARGET_FILE:ravufiler> ${RAVU_QT_WINDOWS_PREFIX}
          ${RAVU_WINDOWS_ZIP}
  DEPENDS ravufiler
  BYPRODUCTS ${RAVU_WINDOWS_ZIP}
  COMMENT "Packing ${RAVU_WINDOWS_ZIP}"
  VERBATIM)
