#pragma once
#include "library/MeshData.h"

// Gives a mesh the per-vertex frame a normal map needs: normals recomputed from the triangles
// (each vertex sums the area-weighted normals of the triangles that use it), tangents along +u and
// binormals along +v of texture set 0, both made perpendicular to the normal. Texture coordinates
// default to zero when the mesh has none. Vertices no triangle shapes get any unit frame.
void AddTangentFrame(MeshData& mesh);
