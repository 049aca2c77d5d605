# Warning flags, sanitizers and the test helper shared by every target of the project.

function(veltrix_target_options target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 reports std::string concatenation as overlapping memcpy at -O2 (GCC bug 105329).
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(VELTRIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS)
  if(VELTRIX_SANITIZE)
    # undefined behaviour stops the program, as a memory error does: a report that scrolls
    # past in a passing test is not a finding anyone reads
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                           -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(VELTRIX_FUZZ)
    # coverage for libFuzzer in every library; only the fuzz targets link its main
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()

# veltrix_add_test(NAME name SOURCES ... [LIBS ...] [QT])
# One executable, one CTest entry. GoogleTest by default (with gtest_main);
# QT marks a test that brings its own main (Qt Test, or GoogleTest with a QApplication).
function(veltrix_add_test)
  cmake_parse_arguments(ARG "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  veltrix_target_options(${ARG_NAME})
  target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} veltrix_testsupport veltrix_all_headers)
  if(NOT ARG_QT)
    target_link_libraries(${ARG_NAME} PRIVATE GTest::gtest_main)
  endif()
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
  set_tests_properties(${ARG_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VELTRIX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data;VELTRIX_BINARY_DIR=${PROJECT_BINARY_DIR}"
    TIMEOUT 600)
endfunction()

# veltrix_layer(target SEES folder ...)
# The layers of src/ include each other one way only. Each library compiles against a view of
# src/ that holds just its own folder and the folders below it (as links), so an include of a
# higher layer fails to compile instead of quietly working. A folder is a path under src/;
# only the files directly in it are seen ("platform" is the base, not platform/dom).
function(veltrix_layer target)
  cmake_parse_arguments(ARG "" "" "SEES" ${ARGN})
  set(view "${PROJECT_BINARY_DIR}/layers/${target}")
  file(REMOVE_RECURSE "${view}")
  foreach(folder IN LISTS ARG_SEES)
    file(GLOB headers CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/${folder}/*.h")
    file(MAKE_DIRECTORY "${view}/${folder}")
    foreach(header IN LISTS headers)
      get_filename_component(name "${header}" NAME)
      file(CREATE_LINK "${header}" "${view}/${folder}/${name}" SYMBOLIC)
    endforeach()
  endforeach()
  target_include_directories(${target} PRIVATE "${view}" "${PROJECT_BINARY_DIR}/generated")
endfunction()
