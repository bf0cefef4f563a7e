# Tests of the contact-sheet tool.
hm_add_test(contact_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/contact/RasteriserTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/contact/ContactCommandTest.cpp
  LIBS hm_contact hm_contact_command hm_catalogue
)
target_compile_definitions(contact_tests PRIVATE HM_BUILT_ARCHIVE="${CMAKE_BINARY_DIR}/data.dat")
add_dependencies(contact_tests game_data)
