# Save files, settings and the achievements file: the record layouts, the save folder, and the files' read and replace.
add_library(hm_save STATIC scene/AchievementFile.cpp scene/SaveData.cpp scene/SaveFile.cpp)
target_include_directories(hm_save PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(hm_save PUBLIC hm_base)
