#pragma once
// The folded model: a model sample's net, painted as the picture shows it,
// cut out and folded into its solid, seen from a three-quarter view chosen
// for that solid.
// Every visible face shows its polygon of the picture, carried onto the face
// by the affine map between them, and is shaded by its slant to the light.
#include <string>
#include <vector>

#include "model/picture_file.h"
#include "platform/core/surface.h"
#include "shell/polyhedron.h"

namespace orn {

// The net of a picture: the polygons of the Geometric records at the head of
// its list, in list order (each record's corners, without the closing corner
// and the centre).
std::vector<NetPolygon> PictureNet(const PictureFile& pf);

// The solid of `modelNumber` folded from the picture's net and drawn in a
// size x size square on `back`. Faces the net leaves uncovered are drawn
// plain gray. Empty when the picture cannot be drawn, the model number names
// no solid or no polygon of the net fits the solid.
Surface RenderFoldedModel(const PictureFile& pf, const std::string& path, int modelNumber, int size, Rgb back);

}  // namespace orn
