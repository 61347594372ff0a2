// The frame's projection and camera as tev's OpenGL works them out from
// what tev's own frame (render/frame.cpp, run in the viewer) asked of it:
// gluPerspective or glOrtho, gluLookAt and the glTranslatef that lifts the
// ship. Each step is rounded to single precision where the GL libraries
// round it: at 6,800,000 units from the Earth's centre a float's step is
// half a unit, so tev's own matrices carry that error into where the ship
// lands on the screen; the page makes the same one. Matrices are
// column-major arrays of 16 numbers, as OpenGL keeps them.
const f = Math.fround;

// glTranslatef on the matrix m.
function translate(m, x, y, z) {
  [x, y, z] = [f(x), f(y), f(z)];
  const t = [...m];
  for (let row = 0; row < 4; row++)
    t[12 + row] = f(f(f(f(m[row] * x) + f(m[4 + row] * y)) + f(m[8 + row] * z)) + m[12 + row]);
  return t;
}

const normalized = (v) => {
  const r = f(Math.sqrt(f(f(f(v[0] * v[0]) + f(v[1] * v[1])) + f(v[2] * v[2]))));
  return r === 0 ? v : v.map((c) => f(c / r));
};
const cross = (a, b) => [f(f(a[1] * b[2]) - f(a[2] * b[1])), f(f(a[2] * b[0]) - f(a[0] * b[2])),
                         f(f(a[0] * b[1]) - f(a[1] * b[0]))];

// gluLookAt: the rotation that its floats give, then the eye's translation.
function look_at(eye, centre, up) {
  const forward = normalized(centre.map((c, i) => f(c - eye[i])));
  const side = normalized(cross(forward, up.map(f)));
  const true_up = cross(side, forward);
  const rotation = [side[0], true_up[0], -forward[0], 0,
                    side[1], true_up[1], -forward[1], 0,
                    side[2], true_up[2], -forward[2], 0,
                    0, 0, 0, 1];
  return { rotation, view: translate(rotation, -eye[0], -eye[1], -eye[2]) };
}

// The projection for a drawing buffer of width × height: tev's, whose
// window is square, with the longer side widened so that the shorter one
// spans what tev's square does.
function projection(frame, width, height) {
  const shorter = Math.min(width, height);
  const sx = shorter / width, sy = shorter / height;
  if (frame.ortho) {
    const [l, r, b, t, n, fa] = frame.ortho;
    const [L, R, B, T, N, F] = [f(l / sx), f(r / sx), f(b / sy), f(t / sy), f(n), f(fa)];
    return [f(2 / f(R - L)), 0, 0, 0,  0, f(2 / f(T - B)), 0, 0,
            0, 0, f(-2 / f(F - N)), 0,  f(-f(R + L) / f(R - L)), f(-f(T + B) / f(T - B)), f(-f(F + N) / f(F - N)), 1];
  }
  const [fovy, aspect, n, fa] = frame.perspective;
  const [near, far] = [f(n), f(fa)];
  const radians = fovy / 2 * Math.PI / 180;
  const cotangent = Math.cos(radians) / Math.sin(radians);
  const depth = far - near;
  return [f(cotangent / aspect * sx), 0, 0, 0,  0, f(cotangent * sy), 0, 0,
          0, 0, f(-(far + near) / depth), -1,  0, 0, f(-2 * near * far / depth), 0];
}

// The matrices of a recorded frame: projection; ship_view, the model-view
// matrix of the ship's frame (lifted as tev lifts it); earth_view, the
// camera's rotation alone, for the Earth drawn relative to the eye; and
// eye, the eye in the world.
export function frame_matrices(frame, width, height) {
  const camera = look_at(frame.eye, frame.centre, frame.up);
  const [lx, ly, lz] = frame.lift;
  return {
    projection: projection(frame, width, height),
    ship_view: lx || ly || lz ? translate(camera.view, lx, ly, lz) : camera.view,
    earth_view: camera.rotation,
    eye: frame.eye,
  };
}

// Where a raster position (x, y) of the heads-up text lands in the drawing
// buffer: pixels from the left and from the bottom, as OpenGL counts window
// coordinates, through the projection alone (tev loads the identity
// model-view matrix for the text).
export function raster_position([x, y], projection_matrix, width, height) {
  const p = projection_matrix;
  const ndc = [f(f(f(x) * p[0]) + p[12]), f(f(f(y) * p[5]) + p[13])];
  return [f(f(ndc[0] * f(width / 2)) + f(width / 2)), f(f(ndc[1] * f(height / 2)) + f(height / 2))];
}
