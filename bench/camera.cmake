# Culling a field's worth of spheres, and the frame's camera and shadow update.
add_executable(camera_bench ${CMAKE_CURRENT_LIST_DIR}/CameraBench.cpp)
target_link_libraries(camera_bench PRIVATE hm_camera benchmark::benchmark_main)
