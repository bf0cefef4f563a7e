# Game content: the fields, their events and the factory that builds a field from its number.
target_sources(hollowmere_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Blocks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/CamChar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/CamFix.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Message.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/FieldFactory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/TestRoom.cpp
)
