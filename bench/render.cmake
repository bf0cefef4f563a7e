# Whole frames of the renderer's test scene and of every field on the GL backend, with a per-pass
# breakdown.
add_executable(frame_bench ${CMAKE_CURRENT_LIST_DIR}/FrameBench.cpp)
target_link_libraries(frame_bench PRIVATE hm_render_scene hm_content hm_platform hm_headless SDL2::SDL2
  benchmark::benchmark)
target_include_directories(frame_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(frame_bench PRIVATE HM_GAME_FOLDER="${CMAKE_BINARY_DIR}")
add_dependencies(frame_bench game_data)
