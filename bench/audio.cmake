# CPU time of the sound table's frame with many voices streaming.
add_executable(audio_bench ${CMAKE_CURRENT_LIST_DIR}/AudioBench.cpp)
target_link_libraries(audio_bench PRIVATE hm_audio benchmark::benchmark_main)
target_include_directories(audio_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
