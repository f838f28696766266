# The fuzzing build: with KORVEL_BUILD_FUZZ on and clang as the compiler, every
# target of this build (the core library included) is compiled with coverage
# instrumentation for libFuzzer and with AddressSanitizer and
# UndefinedBehaviorSanitizer, so that a fault in a reader stops the fuzzer at
# the faulty line rather than passing unnoticed. Any undefined behaviour is
# fatal, as libFuzzer only notices what ends the process.
#
# The sanitizer build of the test suite needs nothing here: it is configured
# with CMAKE_CXX_FLAGS (scripts/sanitizer_tests.sh).

set(KORVEL_FUZZ_ENABLED OFF)
if(KORVEL_BUILD_FUZZ)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(KORVEL_FUZZ_ENABLED ON)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
                        -fno-sanitize-recover=all -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=address,undefined)
  else()
    message(WARNING "KORVEL_BUILD_FUZZ needs clang (CXX=clang++-14); the fuzz targets are left out")
  endif()
endif()
