# Tests of the save files, the settings, the achievements file and the safe text formatter.
hm_add_test(save_tests
  SOURCES scene/SaveDataTest.cpp library/FormatTest.cpp LIBS hm_save)
