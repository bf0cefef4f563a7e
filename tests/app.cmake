# The application frame: main loop, window messages, display modes, scene tree, entry, the
# achievement record across runs.
hm_add_test(app_tests
  SOURCES app/AchievementsTest.cpp app/DisplayModeTest.cpp app/EntryTest.cpp app/MainLoopTest.cpp
    app/SceneTreeTest.cpp
  LIBS hollowmere_core hm_headless IN_GAME_FOLDER)
