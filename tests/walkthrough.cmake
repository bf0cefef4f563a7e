# The walkthrough played from the title through the real keys and pointer: in full (with the
# optional visits) and by its fastest way; and the runner's own reports of a failed step. On the
# sanitizer-free build the full run also draws its milestones on GL into walkthrough/ beside it.
set(walk_runner ${CMAKE_CURRENT_SOURCE_DIR}/integration/walkthrough.sh)
set(walk_routes ${CMAKE_CURRENT_SOURCE_DIR}/walkthrough)
add_test(NAME walkthrough.full
  COMMAND bash ${walk_runner} $<TARGET_FILE:hm-driver> ${walk_routes}/walkthrough.list)
add_test(NAME walkthrough.fastest
  COMMAND bash ${walk_runner} $<TARGET_FILE:hm-driver> ${walk_routes}/fastest.list)
add_test(NAME walkthrough.fails
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/integration/walkthrough_fails.sh $<TARGET_FILE:hm-driver>
    ${walk_routes}/01f-opening-skipped.route)
if(NOT HM_SANITIZE)
  set_tests_properties(walkthrough.full PROPERTIES
    ENVIRONMENT HM_WALK_SHOTS=${CMAKE_BINARY_DIR}/walkthrough)
endif()
# Around the story: the title, the pause menu, saving and continuing; and being caught.
add_test(NAME walkthrough.flow
  COMMAND bash ${walk_runner} $<TARGET_FILE:hm-driver> ${walk_routes}/flow.list)
add_test(NAME walkthrough.caught
  COMMAND bash ${walk_runner} $<TARGET_FILE:hm-driver> --segment ${walk_routes}/flow-caught.route)
