# The effect, render targets, quads and the frame draw.

# The effect file's parser, on its own for the fuzzer.
add_library(hm_effect_file STATIC ${CMAKE_CURRENT_LIST_DIR}/library/EffectFile.cpp)
target_include_directories(hm_effect_file PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
target_link_libraries(hm_effect_file PUBLIC hm_gfx_null)

target_sources(hollowmere_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/app/FrameDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/CEffect.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/CSurf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/FontAtlas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/TextBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/ModelBuffers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/CObjFVF.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/CObjMeshDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/CObjParticl.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/CObjText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/FVF.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/KeyCurve.cpp
)
target_link_libraries(hollowmere_core PUBLIC hm_effect_file)
