# Collision pair tests: edge cases and random shapes against exact geometry.
hm_add_test(collision_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/collision/PairTestsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/collision/PairPropertyTest.cpp
  LIBS hm_collision)

# The input poll against scripted devices.
hm_add_test(input_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/library/InputTest.cpp LIBS hm_input)

# The SDL input devices and their pad conversions.
hm_add_test(sdl_input_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/library/SdlInputTest.cpp
  LIBS hm_platform SDL2::SDL2)
