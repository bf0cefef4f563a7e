# Settings and save file images, and text-table format strings.
hm_add_fuzzer(fuzz_save_files SOURCES SaveFilesFuzz.cpp LIBS hm_save)
# The achievements file.
hm_add_fuzzer(fuzz_achievements SOURCES AchievementsFuzz.cpp LIBS hm_save)
