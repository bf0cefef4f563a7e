#pragma once
// The main of the benchmarks that run the game: it reads data.dat from the build's folder and
// plays no sound. Benchmarks registered by hand are registered before this is called.
#include <cstdlib>
#include <filesystem>

#include <benchmark/benchmark.h>

inline int RunBenchmarksInGameFolder(int argc, char** argv) {
    std::filesystem::current_path(HM_GAME_FOLDER);
    setenv("ALSOFT_DRIVERS", "null", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
