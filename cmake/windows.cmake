# Windows build: the program, and the tests that run under Wine against the
# real registry and real windows.
set(WIN32_FLAGS -Wall -Wextra -municode)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

add_library(win32_platform STATIC
  core/registry_store_win32.cpp
)
target_include_directories(win32_platform PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(win32_platform PRIVATE ${WIN32_FLAGS})
target_link_libraries(win32_platform PUBLIC portable advapi32)

add_executable(orderpanel WIN32 ui/main_win32.cpp)
target_compile_options(orderpanel PRIVATE ${WIN32_FLAGS})
target_link_options(orderpanel PRIVATE -municode -mwindows)
target_link_libraries(orderpanel PRIVATE win32_platform user32 gdi32)

# GoogleTest from Debian's sources, built by the cross compiler.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# The portable tests once more, as Windows programs: the number conventions
# and text handling must hold on the target's own runtime too.
file(GLOB HOST_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*_test.cpp)
file(GLOB WINDOWS_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/windows/*_test.cpp)
add_executable(windows_tests ${HOST_TESTS} ${WINDOWS_TESTS})
target_include_directories(windows_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(windows_tests PRIVATE ${WIN32_FLAGS})
target_link_options(windows_tests PRIVATE -municode)
target_link_libraries(windows_tests PRIVATE win32_platform gtest user32 gdi32)
target_sources(windows_tests PRIVATE tests/support/gtest_main_win32.cpp)
gtest_discover_tests(windows_tests TEST_PREFIX "windows." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)

# The stand-in terminal that the panel is run and tested against.
add_executable(terminal-sim WIN32
  sim/chart_view_win32.cpp
  sim/terminal_sim_win32.cpp
  sim/terminal_window_win32.cpp
)
target_compile_options(terminal-sim PRIVATE ${WIN32_FLAGS})
target_link_options(terminal-sim PRIVATE -municode -mwindows)
target_link_libraries(terminal-sim PRIVATE simulator win32_platform user32 gdi32 shell32)
target_link_libraries(windows_tests PRIVATE simulator)
# The Windows tests start the simulator from beside themselves.
add_dependencies(windows_tests terminal-sim)
