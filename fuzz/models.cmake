# Texture and model files.
# Seeds: fuzz/corpus/<target>/.
hm_add_fuzzer(fuzz_image SOURCES ${CMAKE_CURRENT_LIST_DIR}/ImageFuzz.cpp LIBS hm_assets)
hm_add_fuzzer(fuzz_model SOURCES ${CMAKE_CURRENT_LIST_DIR}/ModelFuzz.cpp LIBS hm_assets)
