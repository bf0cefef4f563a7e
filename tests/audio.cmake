# The audio engine rendered through OpenAL Soft's loopback device, and the sound table.
hm_add_test(audio_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/audio/AudioMathTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/audio/VoicePlaybackTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/audio/SoundTableTest.cpp
  LIBS hm_audio
)
