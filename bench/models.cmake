# Loading every texture and model of the built archive (data.dat of this build folder).
add_executable(asset_load_bench ${CMAKE_CURRENT_LIST_DIR}/AssetLoadBench.cpp)
target_link_libraries(asset_load_bench PRIVATE hm_assets hm_catalogue benchmark::benchmark_main)
target_include_directories(asset_load_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(asset_load_bench PRIVATE HM_BENCH_ARCHIVE="${HM_ARCHIVE}")
