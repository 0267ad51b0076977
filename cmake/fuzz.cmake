# The libFuzzer target for the text operations (clang only).
set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -g -O1)
add_executable(text_fuzz
  core/text.cpp
  tests/fuzz/text_fuzz.cpp
  tests/native/counting_text_store.cpp)
target_include_directories(text_fuzz PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(text_fuzz PRIVATE -Wall -Wextra -Werror ${FUZZ_FLAGS})
target_link_options(text_fuzz PRIVATE ${FUZZ_FLAGS})
