# Tests of the listening-check tool.
hm_add_test(listen_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tools/ListenTest.cpp LIBS hm_listen hm_assets)
