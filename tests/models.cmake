# Texture and model loading and their caches.
hm_add_test(model_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/library/AssetCacheTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/library/ImageLoaderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/library/ModelLoadTest.cpp
  LIBS hm_assets
)
# Textures on the OpenGL device.
hm_add_test(gl_texture_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/library/GlTextureTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/GlDriverResident.cpp
  LIBS hm_platform SDL2::SDL2 PkgConfig::EPOXY
)
# Every texture and model of the archive this build makes.
hm_add_test(built_asset_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/library/BuiltAssetsLoadTest.cpp
  LIBS hm_assets hm_catalogue
)
target_compile_definitions(built_asset_tests PRIVATE HM_BUILT_ARCHIVE="${HM_ARCHIVE}")
