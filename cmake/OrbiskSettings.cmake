# One target carries the compile settings every target of the project uses.
add_library(orbisk_settings INTERFACE)
target_compile_features(orbisk_settings INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
# -Wconversion as GCC has it for C++, without sign conversions (clang's
# -Wconversion takes them in, and both compilers should agree on a clean build).
target_compile_options(orbisk_settings INTERFACE -Wall -Wextra -pedantic -Wconversion -Wshadow
                                                 $<$<CXX_COMPILER_ID:Clang>:-Wno-sign-conversion>)
if(DEFINED ENV{CI} AND NOT "$ENV{CI}" STREQUAL "" AND NOT "$ENV{CI}" STREQUAL "false")
  message(STATUS "CI build: warnings are errors")
  target_compile_options(orbisk_settings INTERFACE -Werror)
endif()
target_compile_definitions(orbisk_settings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(ORBISK_SANITIZE)
  target_compile_options(orbisk_settings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                   -fno-sanitize-recover=undefined)
  target_link_options(orbisk_settings INTERFACE -fsanitize=address,undefined)
  # GCC's flow analysis reports false "maybe uninitialized" warnings inside the
  # standard library when the sanitizers instrument it; clang has no such warning.
  target_compile_options(orbisk_settings INTERFACE $<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)
endif()
if(ORBISK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ORBISK_FUZZ needs clang with libFuzzer: configure with CXX=clang++-14")
  endif()
  # Everything is instrumented for coverage and checked by the sanitizers; the
  # fuzz targets alone link libFuzzer's main (fuzz/CMakeLists.txt).
  target_compile_options(orbisk_settings INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                   -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(orbisk_settings INTERFACE -fsanitize=address,undefined)
endif()
