# The installed game: this build installed into a temporary prefix, validated and run from it.
add_test(NAME game.install
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/integration/install_run.sh ${CMAKE_BINARY_DIR})
