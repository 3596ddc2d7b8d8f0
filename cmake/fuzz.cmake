# Fuzz targets: clang with libFuzzer and the address and undefined-behaviour
# sanitizers, over the portable code.
set(FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O2)
target_compile_options(portable PRIVATE ${FUZZ_FLAGS})
target_compile_options(simulator PRIVATE ${FUZZ_FLAGS})
foreach(target status orders settings terminal_key fields expert)
  add_executable(fuzz_${target} ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_${target}.cpp)
  target_include_directories(fuzz_${target} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(fuzz_${target} PRIVATE ${FUZZ_FLAGS})
  target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(fuzz_${target} PRIVATE portable)
endforeach()
target_link_libraries(fuzz_expert PRIVATE simulator)
