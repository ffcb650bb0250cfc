# PATTARO_SANITIZE builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer; any undefined behaviour stops the program, so a
# test cannot pass over one unnoticed.
option(PATTARO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(PATTARO_SANITIZE)
  set(pattaro_sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=undefined)
  add_compile_options(${pattaro_sanitize_flags})
  add_link_options(${pattaro_sanitize_flags})
endif()

# PATTARO_FUZZ builds the libFuzzer targets under fuzz/ (clang only), with
# the same sanitizers, and the code they reach instrumented for coverage.
option(PATTARO_FUZZ "Build the libFuzzer targets" OFF)
if(PATTARO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "PATTARO_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
  endif()
  set(pattaro_fuzz_flags -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=undefined)
  add_compile_options(${pattaro_fuzz_flags})
  add_link_options(${pattaro_fuzz_flags})
endif()
