#pragma once
#include <string>

#include "Mesh.h"

// The text of a DirectX model file ("xof 0303txt 0032") holding `mesh` as one top-level Mesh with
// MeshNormals (one normal per vertex), MeshTextureCoords and a MeshMaterialList that gives every
// triangle its material. The mesh must have at least one triangle and one material.
std::string WriteXFile(const Mesh& mesh);
