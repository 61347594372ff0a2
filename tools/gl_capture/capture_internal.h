// What the capture backend's three files share: the matrix arithmetic and
// the tessellation of quadrics that the entry points call.
#pragma once

#include <vector>

#include "tools/gl_capture/gl_capture.h"

namespace gl_capture {

// The vector scaled to length 1 (the zero vector stays).
Vec3 unit(Vec3 v);
// The matrices glRotate and glTranslate multiply in.
Matrix rotation(double angle, double x, double y, double z);
Matrix translation(double x, double y, double z);

// The two triangles OpenGL makes of the quad v0 v1 v2 v3 (split along v1-v3).
void add_quad(std::vector<unsigned>& t, unsigned v0, unsigned v1, unsigned v2, unsigned v3);
// Vertices and triangles of gluCylinder, gluPartialDisk (default quadric)
// and glutSolidSphere into `p`, placed by `placement`.
void tessellate_cylinder(Primitive& p, const Matrix& placement, double base, double top_radius,
                         double height, int slices, int stacks);
void tessellate_partial_disk(Primitive& p, const Matrix& placement, double inner, double outer,
                             int slices, int loops, double start, double sweep);
void tessellate_sphere(Primitive& p, const Matrix& placement, double radius_d, int slices, int stacks);

}  // namespace gl_capture
