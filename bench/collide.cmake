# One world update of the player in a crowded room: walking, collision against 206 shapes, darts.
add_executable(world_update_bench ${CMAKE_CURRENT_LIST_DIR}/WorldUpdateBench.cpp)
target_link_libraries(world_update_bench PRIVATE hm_content hm_headless
  benchmark::benchmark)
target_include_directories(world_update_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(world_update_bench PRIVATE HM_GAME_FOLDER="${CMAKE_BINARY_DIR}")
add_dependencies(world_update_bench game_data)

# Every field on the null device: a frame's CPU time and the entry into the field, warm and cold.
add_executable(field_bench ${CMAKE_CURRENT_LIST_DIR}/FieldBench.cpp)
target_link_libraries(field_bench PRIVATE hm_content hm_headless benchmark::benchmark)
target_include_directories(field_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(field_bench PRIVATE HM_GAME_FOLDER="${CMAKE_BINARY_DIR}")
add_dependencies(field_bench game_data)

# The ghost chasing an unseen player with a full trail in its most crowded room, and that room's
# frame without it.
add_executable(enemy_bench ${CMAKE_CURRENT_LIST_DIR}/EnemyBench.cpp)
target_link_libraries(enemy_bench PRIVATE hm_content hm_headless benchmark::benchmark)
target_include_directories(enemy_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(enemy_bench PRIVATE HM_GAME_FOLDER="${CMAKE_BINARY_DIR}")
add_dependencies(enemy_bench game_data)
