# Windows builds: the two programs, linked against the real user32, kernel32
# and shell32, fully static so they need no DLL a Windows user lacks.
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(VESKARA_ICON ${CMAKE_BINARY_DIR}/res/veskara.ico)
add_custom_command(OUTPUT ${VESKARA_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/res
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/tools/make_icon.py ${VESKARA_ICON}
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_icon.py
  COMMENT "Drawing the programs' icon")
add_custom_target(veskara_icon DEPENDS ${VESKARA_ICON})

set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I ${CMAKE_BINARY_DIR}/res -I ${CMAKE_SOURCE_DIR}/res -c 932")
set(VESKARA_WINDOWS_LINK_OPTIONS -static -mwindows -s -Wl,--gc-sections)

# What the programs need of Windows beyond its DLLs: the guard that turns a
# structured exception into a step's message.
add_library(veskara_win32_desktop STATIC
  src/platform/win32/fault_guard.cpp
  src/platform/win32/operation_check.cpp)
target_include_directories(veskara_win32_desktop PUBLIC src)

foreach(edition IN LISTS VESKARA_EDITIONS)
  add_executable(veskara_${edition} WIN32 src/run/win_main.cpp res/veskara_${edition}.rc)
  target_link_libraries(veskara_${edition} PRIVATE
    veskara_logic veskara_edition_${edition} veskara_win32_desktop user32 shell32)
  target_link_options(veskara_${edition} PRIVATE ${VESKARA_WINDOWS_LINK_OPTIONS})
  add_dependencies(veskara_${edition} veskara_icon)
  set_source_files_properties(res/veskara_${edition}.rc PROPERTIES
    OBJECT_DEPENDS "${VESKARA_ICON};${CMAKE_SOURCE_DIR}/res/veskara.rc")
endforeach()

# The release archive a Windows user downloads: the two programs, the usage
# section of the README and the licence.   cmake --build <dir> --target package
file(READ ${CMAKE_SOURCE_DIR}/README.md VESKARA_README)
string(REGEX MATCH "<!-- usage -->(.*)<!-- /usage -->" VESKARA_USAGE_MATCH "${VESKARA_README}")
string(STRIP "${CMAKE_MATCH_1}" VESKARA_USAGE)
string(REPLACE "\n" "\r\n" VESKARA_USAGE "${VESKARA_USAGE}\n")
file(WRITE ${CMAKE_BINARY_DIR}/USAGE.txt "${VESKARA_USAGE}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/README.md)
install(TARGETS veskara_west veskara_east RUNTIME DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/USAGE.txt DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME veskara)
set(CPACK_PACKAGE_FILE_NAME veskara-${PROJECT_VERSION}-windows)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)

if(BUILD_TESTING)
  add_subdirectory(tests/windows)
  add_subdirectory(tests/conformance)
endif()
