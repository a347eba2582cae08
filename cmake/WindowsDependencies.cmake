# The libraries of the Windows build. Debian ships them for Linux only, so they are compiled here with the
# mingw-w64 toolchain: the header-only ones from Debian's headers (each folder alone, never all of
# /usr/include, whose glibc headers would shadow the toolchain's), pugixml and polyclipping from their Debian
# source packages (scripts/windows-sources fetches them), GoogleTest from Debian's /usr/src/googletest.
set(MARKPLUG_WINDOWS_SOURCES ${PROJECT_SOURCE_DIR}/build/windows-sources CACHE PATH
    "Folder of the Debian source packages for the Windows build (scripts/windows-sources)")
if(NOT EXISTS ${MARKPLUG_WINDOWS_SOURCES}/.complete)
  execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows-sources ${MARKPLUG_WINDOWS_SOURCES}
                  RESULT_VARIABLE fetched)
  if(NOT fetched EQUAL 0)
    message(FATAL_ERROR "scripts/windows-sources could not fetch the Debian source packages")
  endif()
endif()

# One folder holding links to the header-only libraries' folders.
set(headerFolder ${CMAKE_BINARY_DIR}/linux-headers)
file(MAKE_DIRECTORY ${headerFolder})
foreach(folder nlohmann CLI)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: scripts/setup installs it")
  endif()
  file(CREATE_LINK /usr/include/${folder} ${headerFolder}/${folder} SYMBOLIC)
endforeach()
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE ${headerFolder})
add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${headerFolder})

add_library(windows_pugixml STATIC ${MARKPLUG_WINDOWS_SOURCES}/pugixml/pugixml.cpp)
target_include_directories(windows_pugixml SYSTEM PUBLIC ${MARKPLUG_WINDOWS_SOURCES}/pugixml)
target_compile_options(windows_pugixml PRIVATE -w)
add_library(pugixml::pugixml ALIAS windows_pugixml)

# The host includes <polyclipping/clipper.hpp>, as Debian installs it.
set(clipperFolder ${CMAKE_BINARY_DIR}/polyclipping-include)
file(MAKE_DIRECTORY ${clipperFolder})
file(CREATE_LINK ${MARKPLUG_WINDOWS_SOURCES}/polyclipping ${clipperFolder}/polyclipping SYMBOLIC)
add_library(windows_polyclipping STATIC ${MARKPLUG_WINDOWS_SOURCES}/polyclipping/clipper.cpp)
target_include_directories(windows_polyclipping SYSTEM PUBLIC ${clipperFolder})
target_compile_options(windows_polyclipping PRIVATE -w)
add_library(PkgConfig::polyclipping ALIAS windows_polyclipping)

if(MARKPLUG_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Its own CMake file names the targets GTest::gtest and so on, as Debian's package does.
  foreach(library gtest gtest_main gmock gmock_main)
    target_compile_options(${library} PRIVATE -w)
  endforeach()
endif()
