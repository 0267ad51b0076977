# The Windows program and the tests that run under Wine.
set(WINDOWS_LINK_OPTIONS -static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp
    -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat -Wl,--gc-sections)

# The program's own code uses no exceptions, RTTI or thread-safe statics
# (it has one thread), so none of that runtime is linked into it.
add_library(tavrino_lean INTERFACE)
target_compile_options(tavrino_lean INTERFACE -Os -fno-exceptions -fno-rtti
                       -fno-threadsafe-statics -ffunction-sections -fdata-sections)
foreach(target tavrino_core tavrino_ui)
  target_link_libraries(${target} PRIVATE tavrino_lean)
endforeach()

add_library(tavrino_services STATIC
  services/event_loop.cpp
  services/form_windows.cpp
  services/lifecycle.cpp
  services/text_services.cpp
  services/window_builder.cpp)
target_link_libraries(tavrino_services PUBLIC tavrino_ui PRIVATE tavrino_lean)
target_compile_definitions(tavrino_services PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

# The text store, as shipped and, for tests and the benchmark, with hooks
# that count its allocations and inject a failure.
add_library(tavrino_store STATIC services/text_store.cpp)
target_link_libraries(tavrino_store PRIVATE tavrino_services tavrino_lean)
add_library(tavrino_store_hooked STATIC services/text_store.cpp)
target_link_libraries(tavrino_store_hooked PRIVATE tavrino_services tavrino_lean)
target_compile_definitions(tavrino_store_hooked PUBLIC TAVRINO_STORE_HOOKS)

set(RESOURCE_FILE ${CMAKE_SOURCE_DIR}/resources/tavrino.rc)
set_source_files_properties(${RESOURCE_FILE} PROPERTIES
  OBJECT_DEPENDS "${ICON_FILE};${CMAKE_SOURCE_DIR}/resources/tavrino.manifest")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_BINARY_DIR}/generated -I${CMAKE_SOURCE_DIR}/resources")
enable_language(RC)

add_executable(tavrino WIN32 services/win_main.cpp ${RESOURCE_FILE})
target_link_libraries(tavrino PRIVATE tavrino_services tavrino_store tavrino_lean)
target_link_options(tavrino PRIVATE ${WINDOWS_LINK_OPTIONS} -s)
add_dependencies(tavrino app_icon)

# Tests that run under Wine.

add_executable(win32_tests
  tests/win32/child_process.cpp
  tests/win32/input.cpp
  tests/win32/main_window_test.cpp
  tests/win32/process_test.cpp
  tests/win32/resources_test.cpp
  tests/win32/robustness_test.cpp
  tests/win32/services_test.cpp
  tests/win32/test_support.cpp
  tests/win32/win32_main.cpp
  ${RESOURCE_FILE})
target_link_libraries(win32_tests PRIVATE tavrino_services tavrino_store_hooked GTest::gtest version)
add_dependencies(win32_tests tavrino probe)
target_link_options(win32_tests PRIVATE ${WINDOWS_LINK_OPTIONS})
add_dependencies(win32_tests app_icon)

add_executable(probe tests/win32/probe.cpp ${RESOURCE_FILE})
target_link_libraries(probe PRIVATE tavrino_services tavrino_store_hooked)
target_link_options(probe PRIVATE ${WINDOWS_LINK_OPTIONS} -mconsole)
add_dependencies(probe app_icon)

add_executable(e2e_stories
  tests/e2e/stories.cpp
  tests/win32/child_process.cpp
  tests/win32/input.cpp)
target_link_libraries(e2e_stories PRIVATE tavrino_options GTest::gtest_main)
target_link_options(e2e_stories PRIVATE ${WINDOWS_LINK_OPTIONS})
target_compile_definitions(e2e_stories PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
add_dependencies(e2e_stories tavrino)

# The benchmark's yardstick, built like tavrino.exe.
add_executable(bare_window WIN32 bench/bare_window.cpp)
target_link_libraries(bare_window PRIVATE tavrino_options tavrino_lean)
target_link_options(bare_window PRIVATE ${WINDOWS_LINK_OPTIONS} -s)

add_executable(benchmark bench/benchmark.cpp tests/win32/child_process.cpp ${RESOURCE_FILE})
target_link_libraries(benchmark PRIVATE tavrino_services tavrino_store_hooked psapi)
target_link_options(benchmark PRIVATE ${WINDOWS_LINK_OPTIONS} -mconsole)
add_dependencies(benchmark tavrino bare_window app_icon)
