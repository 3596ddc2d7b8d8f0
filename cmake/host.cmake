# Host build: the portable library's tests, natively, with sanitizers.
find_package(GTest REQUIRED)
include(GoogleTest)

set(SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
target_compile_options(portable PRIVATE ${SANITIZE})
target_compile_options(simulator PRIVATE ${SANITIZE})

file(GLOB HOST_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*_test.cpp)
add_executable(host_tests ${HOST_TESTS})
target_include_directories(host_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(host_tests PRIVATE ${SANITIZE} -Wall -Wextra)
target_link_options(host_tests PRIVATE ${SANITIZE})
target_link_libraries(host_tests PRIVATE portable GTest::gtest_main)
target_link_libraries(host_tests PRIVATE simulator)
gtest_discover_tests(host_tests TEST_PREFIX "host.")
