#pragma once
#include <memory>

class Scene;

// Makes a field, not yet entered. The game's content supplies them; the engine only calls them.
using FieldMaker = std::unique_ptr<Scene> (*)();
