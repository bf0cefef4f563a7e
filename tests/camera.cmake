# The camera and light maths: view, projection, culling, the shadow matrix and the frame's terms.
hm_add_test(camera_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/library/CameraTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/library/ShadowMatrixTest.cpp
  LIBS hm_camera)
