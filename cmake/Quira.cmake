# Project-wide helpers. Every library and test executable is made by these two
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

# quira_test(NAME DIR LIBS...): one GoogleTest executable of every test source below
# DIR. Each test case becomes a CTest test. Tests run on Qt's offscreen platform unless
# the test itself needs the real X server that scripts/test provides (QUIRA_X11 in the
# test's name selects that).
include(GoogleTest)
function(quira_test name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${QUIRA_WARNINGS})
  target_link_libraries(${name} PRIVATE quira_test_support ${ARGN})
  # Discovery runs the executable too, before any test environment applies.
  set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen\\;QUIRA_SOURCE_DIR=${PROJECT_SOURCE_DIR}\\;QUIRA_BUILD_DIR=${PROJECT_BINARY_DIR}"
      TIMEOUT 300)
endfunction()

# quira_x11_test(NAME DIR LIBS...): like quira_test, but on the real X server (windows
# whose shape, translucency or activation matter, the web view).
function(quira_x11_test name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${QUIRA_WARNINGS})
  target_link_libraries(${name} PRIVATE quira_test_support ${ARGN})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=xcb\\;QUIRA_SOURCE_DIR=${PROJECT_SOURCE_DIR}\\;QUIRA_BUILD_DIR=${PROJECT_BINARY_DIR}"
      RUN_SERIAL TRUE
      TIMEOUT 300)
endfunction()
