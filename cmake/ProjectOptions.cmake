# Compile options shared by every target of ours.
add_library(project_options INTERFACE)

# Sources are UTF-8; narrow literals become GBK bytes, the text encoding of the
# program. GB18030 encodes every GBK character with the same bytes and, unlike
# GBK, can also encode the few symbols the standard headers use (<chrono> has
# "\u00b5s"), so it is the charset we name. Clang only accepts UTF-8 here, which
# is why code it builds holds no Chinese literals.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(project_options INTERFACE -finput-charset=UTF-8 -fexec-charset=GB18030)
endif()

target_compile_options(project_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wno-missing-field-initializers -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Wimplicit-fallthrough)

if(WIN32)
  target_compile_definitions(project_options INTERFACE
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  # Only the DLLs every Windows has: the C++ runtime and pthreads go in statically.
  target_link_options(project_options INTERFACE -static -static-libgcc -static-libstdc++)
endif()
