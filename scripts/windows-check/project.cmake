# Read by scripts/check-windows only (as CMAKE_PROJECT_INCLUDE): the project configured for
# Windows against this system's Qt headers gets the compile lines of a Windows build. Nothing
# of this configuration is ever linked or run.

# What a Windows Qt puts on every compile line.
add_compile_definitions(UNICODE _UNICODE WIN32 MINGW_HAS_SECURE_API=1)

function(_windows_check_adjust_qt)
  get_property(imported DIRECTORY "${CMAKE_SOURCE_DIR}" PROPERTY IMPORTED_TARGETS)
  foreach(target IN LISTS imported)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "SHARED_LIBRARY")
      # CMake wants an import library for a DLL on Windows; the Linux library stands in, since
      # nothing is linked.
      get_target_property(configs ${target} IMPORTED_CONFIGURATIONS)
      foreach(config IN LISTS configs)
        get_target_property(location ${target} IMPORTED_LOCATION_${config})
        set_target_properties(${target} PROPERTIES IMPORTED_IMPLIB_${config} "${location}")
      endforeach()
    endif()
    get_target_property(includes ${target} INTERFACE_INCLUDE_DIRECTORIES)
    if(includes)
      # The C library's headers are the cross compiler's own, never this system's; Qt's
      # platform folder is the Windows one.
      list(REMOVE_ITEM includes "/usr/include")
      list(TRANSFORM includes REPLACE "/mkspecs/linux-g\\+\\+$" "/mkspecs/win32-g++")
      set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${includes}")
    endif()
  endforeach()

  # Fails to compile unless the compile lines really are those of a Windows build.
  add_library(windows_check_probe OBJECT "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/probe.cpp")
  target_link_libraries(windows_check_probe PRIVATE Qt6::Core)
  set_target_properties(windows_check_probe PROPERTIES AUTOMOC OFF)
endfunction()
cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL _windows_check_adjust_qt)
