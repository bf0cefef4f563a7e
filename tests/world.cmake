# Tests of placed objects and bodies.
hm_add_test(world_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/world/BodyTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/world/CObjMeshTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/world/MotionTest.cpp
  LIBS hollowmere_core hm_headless hm_assetgen
)
