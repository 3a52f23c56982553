# SPDX-License-Identifier: GPL-3.0-or-later
# bathyra_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# Builds one test executable and registers it with CTest. The test finds the shared test
# headers of tests/, its tables in the data/ folder beside it (BATHYRA_TEST_DATA) and the
# source tree (BATHYRA_SOURCE_DIR). The program sets its own HOME and XDG folders to its
# folder under test-home (private_home.cpp), so that a run by hand is as safe as CTest's. The
# environment gives
# the test an offscreen display, a temporary HOME and XDG folders, the C locale (the
# program speaks the system's language where it has a translation), and the
# path of the shared folder beside the checkout (tests skip when it is absent).
function(bathyra_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/private_home.cpp)
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt5::Test)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE BATHYRA_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data/"
                                              BATHYRA_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                              BATHYRA_TEST_HOMES="${CMAKE_BINARY_DIR}/test-home"
                                              BATHYRA_TEST_NAME="${name}")
  add_test(NAME ${name} COMMAND ${name})
  bathyra_test_environment(${name})
  set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
endfunction()

# The environment of bathyra_add_test for a test registered with add_test directly.
function(bathyra_test_environment name)
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  file(MAKE_DIRECTORY ${home})
  get_filename_component(shared_dir ${CMAKE_SOURCE_DIR}/../shared ABSOLUTE)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;XDG_CACHE_HOME=${home}/.cache;XDG_RUNTIME_DIR=${home}/runtime;BATHYRA_SHARED_DIR=${shared_dir};BATHYRA_SOURCE_DIR=${CMAKE_SOURCE_DIR};ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endfunction()

# The translations beside the executables that switch languages, where the program looks
# first (the folder of the calling CMakeLists); copied on every build, so that a changed
# translation reaches them without a relink.
function(bathyra_with_translations target)
  add_custom_target(${target}_translations
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${BATHYRA_QM_DIR} ${CMAKE_CURRENT_BINARY_DIR}
    VERBATIM)
  add_dependencies(${target}_translations bathyra_translations)
  add_dependencies(${target} ${target}_translations)
endfunction()
