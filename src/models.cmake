# Texture and model caches and their loaders. Only ImageLoader.cpp knows the image decoder and only
# ModelLoader.cpp the model importer.
add_library(hm_assets STATIC
  ${CMAKE_CURRENT_LIST_DIR}/library/AssetDescription.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/CModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/CModelManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/CTexture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/CTextureManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/ImageLoader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/LoadLog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/MeshData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/ModelBounds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/ModelLoader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/ModelMaterial.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/TangentSpace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/XTextCheck.cpp
)
target_include_directories(hm_assets PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
target_link_libraries(hm_assets PUBLIC hm_data hm_gfx_null PRIVATE assimp::assimp)
