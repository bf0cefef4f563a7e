#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// Where the settings and the saved games live, and how their files are read and replaced.

// The full path of the file `name` + ".sav" in the save folder, creating every missing level of
// the folder (a failure to create shows later, when the file does not open). The folder is the
// override when one is set; else, where LOCALAPPDATA is set, "<LOCALAPPDATA>Low/Quillbarrow/
// Hollowmere"; else $XDG_DATA_HOME (when absolute, as XDG requires) or $HOME/.local/share, followed
// by "/Quillbarrow/Hollowmere". Empty when none of these is known: every open then fails.
std::filesystem::path SaveFolder(std::string_view name);

// Redirects every settings and save file of this process into `folder` (the tests and the
// headless driver's --save-dir); an empty path restores the user's folder. Set it before the
// game starts: the game reads it on every file access and keeps no copy.
void SetSaveFolderOverride(std::filesystem::path folder);

// The whole content of the file at `path` when it is exactly `size` bytes long; nullopt when it
// does not open, cannot be read, or has another length.
std::optional<std::vector<std::byte>> ReadFileOfSize(const std::filesystem::path& path,
                                                     size_t size);

// Replaces the file at `path` with `bytes`, whole or not at all: the bytes go to a new file in the
// same folder, reach the disk, and only then is it renamed over `path`. On failure (false) the
// new file is removed and whatever was at `path` is untouched.
bool ReplaceFile(const std::filesystem::path& path, std::span<const std::byte> bytes);
