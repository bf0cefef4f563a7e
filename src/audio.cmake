# The audio engine on OpenAL Soft: voices, reverb, 3-D placement, the sound table and the scene's
# sound emitter. OpenAL stays private to this library (only audio/OpenAlOutput.cpp includes it).
add_library(hm_audio STATIC
  ${CMAKE_CURRENT_LIST_DIR}/audio/CSoundManager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio/CXAudio2.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio/Doppler.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio/OpenAlOutput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio/ReverbPresets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio/StreamLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio/SVoice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio/VoiceFilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/audio/X3DVoiceState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/world/CObjSound.cpp
)
target_include_directories(hm_audio PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(hm_audio PUBLIC hm_data PRIVATE PkgConfig::OPENAL)
