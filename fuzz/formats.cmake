# The archive and the formats read from it.
# Seeds: fuzz/corpus/<target>/.
hm_add_fuzzer(fuzz_text_table SOURCES ${CMAKE_CURRENT_LIST_DIR}/TextTableFuzz.cpp LIBS hm_data)
hm_add_fuzzer(fuzz_glyph_table SOURCES ${CMAKE_CURRENT_LIST_DIR}/GlyphTableFuzz.cpp LIBS hm_data)
hm_add_fuzzer(fuzz_wave SOURCES ${CMAKE_CURRENT_LIST_DIR}/WaveFuzz.cpp LIBS hm_data)
hm_add_fuzzer(fuzz_archive SOURCES ${CMAKE_CURRENT_LIST_DIR}/ArchiveFuzz.cpp LIBS hm_data)
hm_add_fuzzer(fuzz_effect SOURCES ${CMAKE_CURRENT_LIST_DIR}/EffectFuzz.cpp LIBS hm_effect_file)
target_include_directories(fuzz_archive PRIVATE ${PROJECT_SOURCE_DIR}/tests)
