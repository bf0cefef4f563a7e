# Game content on the null device: the title and the opening, the message cube, the building
# blocks and the camera events; and scripted runs through the test room and the title.
hm_add_test(content_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/content/AchievementNoticeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/BlocksTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/CameraEventsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/DartsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/DecorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/EnemyTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/FieldsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/FlowTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/FurnitureTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/HitPuzzlesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/NotesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/PauseMenuTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/ScenesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/KeysTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/ShutterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/MessageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/content/TitleTest.cpp
  LIBS hm_content hm_headless IN_GAME_FOLDER)
add_test(NAME content.testRoomRunOnGl
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/integration/test_room_run.sh $<TARGET_FILE:hm-driver>
    ${CMAKE_CURRENT_SOURCE_DIR}/integration/test_room_run.input)
add_test(NAME content.aimRun
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/integration/aim_run.sh $<TARGET_FILE:hm-driver>)
add_test(NAME content.titleRun
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/integration/title_run.sh $<TARGET_FILE:hm-driver>)
