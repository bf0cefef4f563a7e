# Game content: the fields, their events and the factory that builds a field from its number. It
# sits above the engine; only the game's entry and the tools that play the game link it.
add_library(hm_content STATIC
  ${CMAKE_CURRENT_LIST_DIR}/content/Services.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/BathroomDoor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Blocks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/CamChar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/CamFix.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Darts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Decor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Doors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Enemies.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Ending.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Examine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Fire.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/FishGhost.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/HitPuzzles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Furniture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/LockedDoors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Message.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Mirror.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Notes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Opening.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Outdoors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/PhoneBooth.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Pickups.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Scenes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/events/Shutter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/Baths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/EnemyStarts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/Exits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/F3.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/FieldBuild.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/FieldFactory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/Gameover.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/GuestBaths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/GuestRooms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/Intro.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/Lobby.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/Outdoor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/Retries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/SmallRooms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/TestRoom.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content/fields/UpstairsRooms.cpp
)
target_link_libraries(hm_content PUBLIC hollowmere_core hm_levels)
