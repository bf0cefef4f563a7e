# The game's data: every asset generated from the sources under assets/ by hm-assetgen, packed
# into data.dat by hm-archive-pack, which also writes the catalogue source compiled into the game.
# The archive and the catalogue come out of one step, so they always match.
set(HM_ASSET_FOLDER ${CMAKE_BINARY_DIR}/assets-out)
set(HM_ARCHIVE ${CMAKE_BINARY_DIR}/data.dat)
set(HM_CATALOGUE_SOURCE ${CMAKE_BINARY_DIR}/generated/Catalogue.cpp)

file(GLOB_RECURSE HM_ASSET_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/*)

# Naming the tool targets in DEPENDS reruns the step whenever a generator changes.
add_custom_command(
  OUTPUT ${HM_ARCHIVE} ${HM_CATALOGUE_SOURCE}
  COMMAND hm-assetgen ${HM_ASSET_FOLDER} --sources ${PROJECT_SOURCE_DIR}/assets
          --font ${HM_GLYPH_FONT}
  COMMAND hm-archive-pack ${HM_ASSET_FOLDER} ${HM_ARCHIVE} ${HM_CATALOGUE_SOURCE}
  DEPENDS hm-assetgen hm-archive-pack ${HM_ASSET_SOURCES} ${HM_GLYPH_FONT}
  COMMENT "Generating the assets and packing data.dat"
  VERBATIM)
add_custom_target(game_data DEPENDS ${HM_ARCHIVE} ${HM_CATALOGUE_SOURCE})

# The catalogue compiled into the game and the tools.
add_library(hm_catalogue STATIC ${HM_CATALOGUE_SOURCE})
target_link_libraries(hm_catalogue PUBLIC hm_data)
add_dependencies(hm_catalogue game_data)

# The game opens data.dat from its working directory: the build folder.
add_dependencies(hollowmere game_data)

# The window icon, compiled into the game: it is no row of the archive and no loose file.
set(HM_WINDOW_ICON_SOURCE ${CMAKE_BINARY_DIR}/generated/WindowIcon.cpp)
add_custom_command(
  OUTPUT ${HM_WINDOW_ICON_SOURCE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND hm-assetgen --window-icon ${HM_WINDOW_ICON_SOURCE}
  DEPENDS hm-assetgen
  COMMENT "Drawing the window icon"
  VERBATIM)
add_library(hm_window_icon STATIC ${HM_WINDOW_ICON_SOURCE})
target_include_directories(hm_window_icon PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR})
target_link_libraries(hollowmere_core PUBLIC hm_window_icon)
