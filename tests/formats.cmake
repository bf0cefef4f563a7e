# The archive and the formats read from it: text table, glyph table, WAV.
hm_add_test(format_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/audio/WaveFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/library/ArchiveTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/library/GlyphTableTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scene/TextDataTest.cpp
  LIBS hm_data
)
