# Build helpers shared by every folder of the tree.

# Flags of the program's own code: literals become Windows-1250 bytes.
set(VEMKO_CXX_FLAGS -fexec-charset=CP1250 -Wall -Wextra -Werror)
# GCC 12 reports std::string concatenations at -O3 as overlapping copies (a known false
# positive of its -Wrestrict); keep the warning, but never let it fail a build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND VEMKO_CXX_FLAGS -Wno-error=restrict)
endif()
set(VEMKO_SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

function(vemko_flags target)
  target_compile_options(${target} PRIVATE ${VEMKO_CXX_FLAGS})
  if(VEMKO_SANITIZE)
    target_compile_options(${target} PRIVATE ${VEMKO_SANITIZE_FLAGS})
    target_link_options(${target} PRIVATE ${VEMKO_SANITIZE_FLAGS})
  endif()
endfunction()

# vemko_library(NAME [DEPS lib...]): a static library vemko_NAME of the
# folder's *.cpp files. Headers are included as "folder/file.h" from src/.
function(vemko_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    # A folder of headers only, or one still being written.
    add_library(vemko_${name} INTERFACE)
    target_include_directories(vemko_${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(vemko_${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(vemko_${name} STATIC ${sources})
  target_include_directories(vemko_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(vemko_${name} PUBLIC ${ARG_DEPS})
  vemko_flags(vemko_${name})
endfunction()

# vemko_tests(NAME [DEPS lib...]): one GoogleTest program NAME_tests of the
# folder's *.cpp files, registered with CTest.
function(vemko_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name}_tests ${sources})
  target_include_directories(${name}_tests PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name}_tests PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name}_tests PRIVATE
    VEMKO_FIXTURES_DIR="${CMAKE_SOURCE_DIR}/tests/fixtures")
  vemko_flags(${name}_tests)
  gtest_discover_tests(${name}_tests DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
