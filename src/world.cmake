# Placed objects and the bodies built from them.
target_sources(hollowmere_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/world/BodyDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/CObjMesh.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/Enemy.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/Fish.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/Flashlight.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/Motion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/Rig.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/gt_Model.cpp
)
