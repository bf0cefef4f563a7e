# One world update of the player in a crowded room: walking, collision against 206 shapes, darts.
add_executable(world_update_bench ${CMAKE_CURRENT_LIST_DIR}/WorldUpdateBench.cpp)
target_link_libraries(world_update_bench PRIVATE hollowmere_core hm_headless
  benchmark::benchmark)
target_include_directories(world_update_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(world_update_bench PRIVATE HM_GAME_FOLDER="${CMAKE_BINARY_DIR}")
add_dependencies(world_update_bench game_data)
