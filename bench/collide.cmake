# One player sphere against a field's worth of shapes, as the player's collision step walks them.
add_executable(collision_bench ${CMAKE_CURRENT_LIST_DIR}/CollisionBench.cpp)
target_link_libraries(collision_bench PRIVATE hm_collision benchmark::benchmark_main)
