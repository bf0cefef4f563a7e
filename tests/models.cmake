# Texture and model loading and their caches.
hm_add_test(model_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/library/AssetCacheTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/library/ImageLoaderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/library/ModelLoadTest.cpp
  LIBS hm_assets hm_assetgen
)
# Textures on the OpenGL device.
hm_add_test(gl_texture_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/library/GlTextureTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/GlDriverResident.cpp
  LIBS hm_platform SDL2::SDL2 PkgConfig::EPOXY
)
