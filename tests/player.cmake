# Tests of the player: walking, collision, aiming, darts and the menu's hold.
hm_add_test(player_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/scene/PersonalTest.cpp
  LIBS hollowmere_core hm_headless IN_GAME_FOLDER
)
target_include_directories(player_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR})
