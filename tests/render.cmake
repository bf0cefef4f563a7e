# Tests of the effect, targets and frame draw.
hm_add_test(render_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/render/EffectFileTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/render/FrameDrawTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/render/GlFrameTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/render/TextBoxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/support/GlDriverResident.cpp
  LIBS hollowmere_core hm_headless hm_platform hm_png hm_render_scene SDL2::SDL2 IN_GAME_FOLDER
)
target_include_directories(render_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
