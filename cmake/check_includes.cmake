cmake_minimum_required(VERSION 3.25)
# Run by the build over the sources of one library (see vemko_library):
#   -DSOURCES=a;b -DSTAMP=file, and either
#   -DALLOWED=folder;folder  (a window-free library) fails when a source includes a header from
#                            outside those folders, or a system header that is not the standard
#                            library's (Qt, mpv and every other library's headers are refused);
#   -DREFUSED=folder;folder  (any other library) fails when a source includes a header of those.

# The C++ standard library's headers.
set(standard_headers
    algorithm any array atomic barrier bit bitset charconv chrono codecvt compare complex
    concepts condition_variable coroutine deque exception execution expected filesystem format
    forward_list fstream functional future initializer_list iomanip ios iosfwd iostream istream
    iterator latch limits list locale map memory memory_resource mutex new numbers numeric
    optional ostream queue random ranges ratio regex scoped_allocator semaphore set
    shared_mutex source_location span spanstream sstream stack stacktrace stdexcept
    stop_token streambuf string string_view syncstream system_error thread tuple type_traits
    typeindex typeinfo unordered_map unordered_set utility valarray variant vector version
    cassert cctype cerrno cfenv cfloat cinttypes climits clocale cmath csetjmp csignal cstdarg
    cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype)
# The C library with its POSIX headers, and the compiler's vector intrinsics.
set(system_header_pattern
    "^((assert|ctype|dirent|errno|fcntl|float|inttypes|limits|locale|math|poll|pwd|sched|signal|spawn|stdarg|stddef|stdint|stdio|stdlib|string|strings|time|unistd|wchar)|sys/[a-z_]+|[a-z0-9]*intrin)\\.h$")

function(refuse source header why)
  message(FATAL_ERROR "${source}: includes ${header}; ${why}")
endfunction()

foreach(source IN LISTS SOURCES)
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\"")
      set(header "${CMAKE_MATCH_1}")
      get_filename_component(folder "${header}" DIRECTORY)
      string(REGEX REPLACE "/.*" "" top_folder "${folder}")
      if(DEFINED ALLOWED AND NOT folder IN_LIST ALLOWED)
        refuse(${source} "\"${header}\"" "this library may include only headers of: ${ALLOWED}")
      elseif(top_folder IN_LIST REFUSED)
        refuse(${source} "\"${header}\"" "no library may include headers of: ${REFUSED}")
      endif()
    elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]*)>")
      set(header "${CMAKE_MATCH_1}")
      if(DEFINED ALLOWED AND NOT header IN_LIST standard_headers
         AND NOT header MATCHES "${system_header_pattern}")
        refuse(${source} "<${header}>"
               "a library that needs no window may include only the standard library's headers")
      endif()
    else()
      refuse(${source} "\"${line}\"" "an include this check cannot read")
    endif()
  endforeach()
endforeach()
file(TOUCH ${STAMP})
