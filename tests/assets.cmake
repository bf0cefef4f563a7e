# The asset pipeline: generators, packing, the archive tool, and the data.dat the build made.
hm_add_test(asset_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/assets/BuiltArchiveTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/assets/GeneratorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/assets/CharacterModelsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/assets/ModelRowsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/assets/PartsFitTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/assets/MeshKitTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/assets/ArchiveReportTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/assets/PackTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/assets/TextureContentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/assets/SoundContentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/assets/TextTableContentTest.cpp
  LIBS hm_assetgen hm_archive_tool hm_catalogue hm_data hm_save hm_listen
)
target_compile_definitions(asset_tests PRIVATE
  HM_BUILT_ARCHIVE="${CMAKE_BINARY_DIR}/data.dat"
  HM_ARCHIVE_TOOL="$<TARGET_FILE:hm-archive>"
  HM_ASSET_SOURCE_DIR="${PROJECT_SOURCE_DIR}/assets"
  HM_GLYPH_FONT="${HM_GLYPH_FONT}")
add_dependencies(asset_tests game_data hm-archive)
