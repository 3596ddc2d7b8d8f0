# Windows build: the program, and the tests that run under Wine against the
# real registry and real windows.
enable_language(RC)

set(WIN32_FLAGS -Wall -Wextra -municode)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

add_library(win32_platform STATIC
  core/registry_store_win32.cpp
  tracking/window_system_win32.cpp
  ui/menu_images_win32.cpp
  ui/shell_win32.cpp
)
target_include_directories(win32_platform PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(win32_platform PRIVATE ${WIN32_FLAGS})
target_link_libraries(win32_platform PUBLIC portable advapi32 comctl32 gdi32 shell32 user32 version)

# The toolkit's windows: a view for each kind of control.
file(GLOB TOOLKIT_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/toolkit/win32/*.cpp)
add_library(toolkit_win32 STATIC ${TOOLKIT_WIN32_SOURCES})
target_include_directories(toolkit_win32 PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(toolkit_win32 PRIVATE ${WIN32_FLAGS})
target_link_libraries(toolkit_win32 PUBLIC portable comctl32 gdi32 user32)

# The resource compiler doesn't see the files that a script names, only its
# includes: name them, so that a new icon or manifest is built in.
set_source_files_properties(ui/orderpanel.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/ui/orderpanel.ico;${CMAKE_SOURCE_DIR}/ui/orderpanel.manifest")
set_source_files_properties(tests/windows/fixtures/windows_tests.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/ui/orderpanel.manifest")

add_executable(orderpanel WIN32 ui/main_win32.cpp ui/orderpanel.rc)
target_compile_options(orderpanel PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${WIN32_FLAGS}>)
target_link_options(orderpanel PRIVATE -municode -mwindows)
target_link_libraries(orderpanel PRIVATE toolkit_win32 win32_platform)

# GoogleTest from Debian's sources, built by the cross compiler.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# The portable tests once more, as Windows programs: the number conventions
# and text handling must hold on the target's own runtime too.
file(GLOB HOST_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*_test.cpp)
file(GLOB WINDOWS_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/windows/*_test.cpp)
add_executable(windows_tests ${HOST_TESTS} ${WINDOWS_TESTS} tests/windows/fixtures/windows_tests.rc)
target_include_directories(windows_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(windows_tests PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${WIN32_FLAGS}>)
target_link_options(windows_tests PRIVATE -municode)
target_link_libraries(windows_tests PRIVATE toolkit_win32 win32_platform gtest)
# The panel program itself is started by the tests that look at its window.
add_dependencies(windows_tests orderpanel)
target_sources(windows_tests PRIVATE tests/support/gtest_main_win32.cpp)
# Tests that show windows share the one virtual desktop and its window in
# front (a panel follows whichever terminal is in front): they take turns,
# while the others run beside them. The soak and the big-values test keep
# terminals in front for long, which any other test's panel would follow:
# they run alone. The soak runs for over a minute by design and stops by
# itself; its timeout only keeps CTest from cutting it short.
set(DESKTOP_SUITES "EndToEnd.*:PanelWindow.*:PanelStatus.*:SimulatorChart.*:TerminalSimulator.*:ViewMenus.*:Views.*:PanelViews.*:TooltipText.*")
gtest_discover_tests(windows_tests TEST_PREFIX "windows." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  TEST_FILTER "-${DESKTOP_SUITES}:Soak.*:BigValues.*")
gtest_discover_tests(windows_tests TEST_PREFIX "windows." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  TEST_FILTER "${DESKTOP_SUITES}" PROPERTIES RESOURCE_LOCK desktop)
gtest_discover_tests(windows_tests TEST_PREFIX "windows." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
  TEST_FILTER "Soak.*:BigValues.*" PROPERTIES RUN_SERIAL TRUE TIMEOUT 240)

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
# The chart view is tested in-process: another process can't draw into our bitmap.
target_sources(windows_tests PRIVATE sim/chart_view_win32.cpp)
# The Windows tests start the simulator from beside themselves.
add_dependencies(windows_tests terminal-sim)

# Benchmarks under Wine: figures, not tests; ./bench runs them, CTest doesn't.
# Those that look at the real panel or a terminal start orderpanel.exe and
# terminal-sim.exe from beside themselves.
function(add_wine_benchmark name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${name} PRIVATE ${WIN32_FLAGS})
  target_link_options(${name} PRIVATE -municode)
  target_link_libraries(${name} PRIVATE toolkit_win32 win32_platform)
  add_dependencies(${name} orderpanel terminal-sim)
endfunction()
add_wine_benchmark(wine_bench tests/bench/wine_bench_win32.cpp)
add_wine_benchmark(repaint_benchmark tests/bench/repaint_benchmark_win32.cpp)
add_wine_benchmark(latency_benchmark tests/bench/latency_benchmark_win32.cpp)
add_wine_benchmark(steady_cpu_benchmark tests/bench/steady_cpu_benchmark_win32.cpp)
