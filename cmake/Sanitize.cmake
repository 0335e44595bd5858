# Initial cache of the sanitized tree (scripts/test --sanitize, build-asan/): the same
# build under AddressSanitizer and UndefinedBehaviorSanitizer. Undefined behaviour
# aborts instead of printing and going on, so any report fails the test that ran into
# it. -O1 keeps the tree quick to build while leaving the stacks readable.
set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "")
set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-O1 -g" CACHE STRING "")
set(CMAKE_CXX_FLAGS "-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
  CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS "-fsanitize=address,undefined" CACHE STRING "")
