# Project-wide helpers. Every library, program and test executable is made by these
# functions, so warnings, include paths and test registration are the same everywhere.

set(QUIRA_WARNINGS -Wall -Wextra)

# quira_library(NAME DIR [EXCLUDE SUBDIR...] DEPS...): a static library of every source
# below DIR, leaving out the subfolders named after EXCLUDE (they are libraries of their
# own).
function(quira_library name dir)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "" "" "EXCLUDE")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  foreach(sub IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "/${dir}/${sub}/")
  endforeach()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${QUIRA_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_UNPARSED_ARGUMENTS})
endfunction()

# quira_executable(NAME SOURCES file-or-pattern... [LIBS lib...] [OUTPUT DIR]): a program
# (a tool, a benchmark, the product). Entries of SOURCES with a `*` are patterns, read
# again when files come or go; OUTPUT is the folder the program is built into.
function(quira_executable name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "OUTPUT" "SOURCES;LIBS")
  set(sources "")
  foreach(entry IN LISTS ARG_SOURCES)
    if(entry MATCHES "\\*")
      file(GLOB matched CONFIGURE_DEPENDS ${entry})
      list(APPEND sources ${matched})
    else()
      list(APPEND sources ${entry})
    endif()
  endforeach()
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${QUIRA_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  if(ARG_OUTPUT)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ARG_OUTPUT})
  endif()
endfunction()

# quira_test(NAME DIR [X11] LIBS...): one GoogleTest executable of every test source below
# DIR. Each test case becomes a CTest test. Tests run on Qt's offscreen platform; X11
# puts them on the real X server that scripts/test provides, one at a time (windows
# whose shape, translucency or activation matter, the web view).
include(GoogleTest)
function(quira_test name dir)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "X11" "" "")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  quira_executable(${name} SOURCES ${sources} LIBS quira_test_support ${ARG_UNPARSED_ARGUMENTS})
  if(ARG_X11)
    set(platform xcb)
    set(serial TRUE)
  else()
    set(platform offscreen)
    set(serial FALSE)
    # Discovery runs the executable too, before any test environment applies.
    set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen)
  endif()
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=${platform}\\;QUIRA_SOURCE_DIR=${PROJECT_SOURCE_DIR}\\;QUIRA_BUILD_DIR=${PROJECT_BINARY_DIR}"
      RUN_SERIAL ${serial}
      TIMEOUT 300)
endfunction()
