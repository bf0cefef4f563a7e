# The camera and light maths of the effect: view and projection, culling, the shadow matrix and the
# per-frame light terms. No graphics API; GLM only.
add_library(hm_camera STATIC
  ${CMAKE_CURRENT_LIST_DIR}/library/Camera.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/EffectLighting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/EffectTerms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/library/ShadowMatrix.cpp
)
target_include_directories(hm_camera PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(hm_camera PUBLIC hm_base)
