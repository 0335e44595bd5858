# Initial cache of the fuzz tree (scripts/fuzz, build-fuzz/): clang with libFuzzer's
# coverage instrumentation and AddressSanitizer and UndefinedBehaviorSanitizer over all
# of our code; the fuzz targets (fuzz/) link libFuzzer's driver themselves.
set(CMAKE_CXX_COMPILER clang++ CACHE STRING "")
set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "")
set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-O1 -g" CACHE STRING "")
set(CMAKE_CXX_FLAGS
  "-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
  CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS "-fsanitize=address,undefined" CACHE STRING "")
set(QUIRA_FUZZ ON CACHE BOOL "")
