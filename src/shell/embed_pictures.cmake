# Writes a C++ source that holds the start window's and the message window's pictures as
# byte arrays, so the program needs no picture files at run time.
#
#   cmake -DOUTPUT=pictures_data.cpp -DPICTURES="a.jpg;b.jpg" -P embed_pictures.cmake
#
# Each picture is found by its file name without the extension ("start" for start.jpg).

set(body "")
set(table "")
foreach(picture IN LISTS PICTURES)
  get_filename_component(name ${picture} NAME_WE)
  file(READ ${picture} hex HEX)
  string(LENGTH "${hex}" hex_length)
  if(hex_length EQUAL 0)
    message(FATAL_ERROR "empty picture: ${picture}")
  endif()
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Break the array into lines of 16 bytes (CMake's expressions have no counted repeats).
  string(REPEAT "0x[0-9a-f][0-9a-f]," 16 line_of_bytes)
  string(REGEX REPLACE "(${line_of_bytes})" "\\1\n    " bytes "${bytes}")
  string(APPEND body "constexpr std::uint8_t k_${name}[] = {\n    ${bytes}};\n")
  string(APPEND table "    {\"${name}\", k_${name}},\n")
endforeach()

set(source "// Generated from src/shell/pictures by embed_pictures.cmake; do not edit.
#include <cstdint>
#include <span>
#include <string_view>

#include \"shell/pictures.h\"

namespace shell {
namespace {

${body}
struct Entry {
  std::string_view name;
  std::span<const std::uint8_t> bytes;
};

constexpr Entry kPictures[] = {
${table}};

}  // namespace

std::span<const std::uint8_t> PictureBytes(std::string_view name) {
  for (const Entry& entry : kPictures) {
    if (entry.name == name) return entry.bytes;
  }
  return {};
}

}  // namespace shell
")

# Rewrite only when the text changes, so an unchanged picture set rebuilds nothing.
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} previous)
  if(previous STREQUAL source)
    return()
  endif()
endif()
file(WRITE ${OUTPUT} "${source}")
