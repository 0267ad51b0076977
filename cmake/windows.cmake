# The Windows program and the tests that run under Wine.
set(WINDOWS_LINK_OPTIONS -static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp
    -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat)

add_library(tavrino_services STATIC
  services/event_loop.cpp
  services/form_windows.cpp
  services/lifecycle.cpp
  services/text_services.cpp
  services/text_store.cpp
  services/window_builder.cpp)
target_link_libraries(tavrino_services PUBLIC tavrino_ui)
target_compile_definitions(tavrino_services PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

set(RESOURCE_FILE ${CMAKE_SOURCE_DIR}/resources/tavrino.rc)
set_source_files_properties(${RESOURCE_FILE} PROPERTIES
  OBJECT_DEPENDS "${ICON_FILE};${CMAKE_SOURCE_DIR}/resources/tavrino.manifest")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_BINARY_DIR}/generated -I${CMAKE_SOURCE_DIR}/resources")
enable_language(RC)

add_executable(tavrino WIN32 services/win_main.cpp ${RESOURCE_FILE})
target_link_libraries(tavrino PRIVATE tavrino_services)
target_link_options(tavrino PRIVATE ${WINDOWS_LINK_OPTIONS} -s)
add_dependencies(tavrino app_icon)
