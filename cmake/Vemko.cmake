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
    message(FATAL_ERROR "${CMAKE_CURRENT_SOURCE_DIR} holds no source for vemko_${name}")
  endif()
  add_library(vemko_${name} STATIC ${sources})
  target_include_directories(vemko_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(vemko_${name} PUBLIC ${ARG_DEPS})
  vemko_flags(vemko_${name})
endfunction()

# Libraries from outside the tree that code needing no window may link.
set(VEMKO_PURE_FOREIGN_DEPS Threads::Threads)

# vemko_pure_library(NAME [DEPS lib...]): a library of code that needs no window. It may
# depend only on other such libraries (and on VEMKO_PURE_FOREIGN_DEPS), and its files may
# include only the standard library's headers and headers of its own folder and of the folders
# of those libraries; the configure step checks the first, the build the second (a stray
# include of a window header, or of Qt's or mpv's, fails the build).
function(vemko_pure_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
  set(allowed ${folder})
  foreach(dep IN LISTS ARG_DEPS)
    if(dep MATCHES "^vemko_")
      get_property(dep_folders GLOBAL PROPERTY VEMKO_PURE_FOLDERS_${dep})
      if(NOT dep_folders)
        message(FATAL_ERROR "vemko_${name} needs no window, but its dependency ${dep} is not "
                            "such a library")
      endif()
      list(APPEND allowed ${dep_folders})
    elseif(NOT dep IN_LIST VEMKO_PURE_FOREIGN_DEPS)
      message(FATAL_ERROR "vemko_${name} needs no window, but it depends on ${dep}; such a "
                          "library may depend only on ${VEMKO_PURE_FOREIGN_DEPS} outside the tree")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES allowed)
  set_property(GLOBAL PROPERTY VEMKO_PURE_FOLDERS_vemko_${name} ${allowed})
  vemko_library(${name} DEPS ${ARG_DEPS})

  file(GLOB checked CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  vemko_check_includes(vemko_${name}_includes SOURCES ${checked} ALLOWED ${allowed})
  add_dependencies(vemko_${name} vemko_${name}_includes)
endfunction()

# vemko_check_includes(TARGET SOURCES file... ALLOWED folder... | REFUSED folder...): a target
# that checks the includes of the sources whenever one of them changes (cmake/check_includes.cmake
# says what each list means).
function(vemko_check_includes target)
  cmake_parse_arguments(ARG "" "" "SOURCES;ALLOWED;REFUSED" ${ARGN})
  if(ARG_ALLOWED)
    set(rule "-DALLOWED=${ARG_ALLOWED}")
  else()
    set(rule "-DREFUSED=${ARG_REFUSED}")
  endif()
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} "-DSOURCES=${ARG_SOURCES}" "${rule}" -DSTAMP=${stamp}
            -P ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake
    DEPENDS ${ARG_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/check_includes.cmake
    COMMENT "Checking the includes of ${target}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${stamp})
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
