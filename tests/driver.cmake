# The headless driver: script and options parsing, and whole runs through the executables.
hm_add_test(driver_tests SOURCES driver/ScriptTest.cpp driver/DrawOnDemandTest.cpp LIBS hm_driver)
add_test(NAME driver.run600FramesOnGl
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/integration/driver_run.sh $<TARGET_FILE:hm-driver>)
add_test(NAME game.singleInstance
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/integration/single_instance.sh $<TARGET_FILE:hollowmere>)
add_test(NAME driver.setRecord
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/integration/set_record_run.sh $<TARGET_FILE:hm-driver>)
add_test(NAME driver.goalRun
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/integration/goal_run.sh $<TARGET_FILE:hm-driver>)
