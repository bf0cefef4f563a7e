# The file formats the game reads from the archive, each a loader over bytes already in memory,
# and the archive itself.
add_library(hm_data STATIC
  ${CMAKE_CURRENT_LIST_DIR}/audio/WaveFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/Archive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/GlyphTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene/TextData.cpp
)
target_include_directories(hm_data PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(hm_data PUBLIC hm_base)

# The names of the archive's rows, in catalogue order: the generators, the packer and the game's
# named rows all read this one table.
add_library(hm_asset_names INTERFACE)
target_link_libraries(hm_asset_names INTERFACE hm_data)

# The level data: room plans shared by the shell generator and the fields.
add_library(hm_levels INTERFACE)
target_include_directories(hm_levels INTERFACE ${PROJECT_SOURCE_DIR}/assets)
