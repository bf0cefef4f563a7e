#pragma once
#include <filesystem>
#include <vector>

// Where the game looks for "data.dat", in order: the working folder (a build folder, where
// developers, the tests and the tools run the game), beside the executable, and the installed
// data folder reached from the executable's folder, so that an installed prefix still works once
// moved elsewhere whole.
std::vector<std::filesystem::path> ArchivePlaces();

// The first of the places that holds a file, else the first place (its failure to open is the
// one a developer expects to read).
std::filesystem::path ChooseArchive(const std::vector<std::filesystem::path>& places);
