// The frame's projection and camera, worked out as tev's OpenGL works them
// out: GLU's gluPerspective and gluLookAt, and the matrix stack's
// translations, each step rounded to single precision where tev's libraries
// round it. At 6,800,000 units from the Earth's centre a float's step is half a unit, so
// tev's own matrices carry that error into where the ship lands on the
// screen; the page makes the same one. Matrices are column-major arrays of
// 16 numbers, as OpenGL keeps them.
const f = Math.fround;

// The program's own pi, for the heading; GLU's, for the field of view.
const TEV_PI = 3.1415926236;
export const ORBIT_HEIGHT = 6800000;
const FIELD_OF_VIEW = 60;

// The clipping planes of the perspective camera.
// far_clip world_view  near  far
const CLIP_PLANES = [
  [1,       null,       0.1,  10000000],
  [0,       1,          10,   10000000],
  [0,       0,          0.1,  100],
];

export function clip_planes(view) {
  const [, , near, far] = CLIP_PLANES.find(([clip, world]) =>
    Boolean(view.far_clip) === Boolean(clip) && (world === null || Boolean(view.world_view) === Boolean(world)));
  return [f(near), f(far)];
}

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
function projection(view, width, height) {
  const shorter = Math.min(width, height);
  const sx = shorter / width, sy = shorter / height;
  if (!view.perspective_mode) {
    const zoom = f(view.zoom);
    const r = f(zoom / sx), t = f(zoom / sy), n = f(-zoom), far = zoom;
    return [f(2 / f(r + r)), 0, 0, 0,  0, f(2 / f(t + t)), 0, 0,
            0, 0, f(-2 / f(far - n)), 0,  0, 0, f(-f(far + n) / f(far - n)), 1];
  }
  const [near, far] = clip_planes(view);
  const radians = FIELD_OF_VIEW / 2 * Math.PI / 180;
  const cotangent = Math.cos(radians) / Math.sin(radians);
  const depth = far - near;
  return [f(cotangent * sx), 0, 0, 0,  0, f(cotangent * sy), 0, 0,
          0, 0, f(-(far + near) / depth), -1,  0, 0, f(-2 * near * far / depth), 0];
}

// The frame for a view state: projection; ship_view, the model-view matrix
// of the ship's frame (lifted into orbit when the Earth is on); earth_view,
// the camera's rotation alone, for the Earth drawn relative to the eye; and
// eye, the eye in the world.
export function frame_matrices(view, width, height) {
  const lift = view.show_earth ? ORBIT_HEIGHT : 0;
  const [x, z] = [f(view.cam_x), f(view.cam_z)];
  const y = f(f(view.cam_y) + lift);
  let camera;
  if (view.perspective_mode) {
    const a = f(view.view_angle) * TEV_PI / 180;
    camera = look_at([x, y, z], [x + Math.sin(a), y + Math.cos(a), f(z + f(view.view_pitch))], [0, 0, 1]);
  } else {
    camera = look_at([x, y, z], [x, y, z - 1], [0, 1, 0]);
  }
  return {
    projection: projection(view, width, height),
    ship_view: lift ? translate(camera.view, 0, lift, 0) : camera.view,
    earth_view: camera.rotation,
    eye: [x, y, z],
  };
}

// Where the heads-up lines start in the drawing buffer (pixels from the
// left and from the bottom, as OpenGL counts window coordinates): the
// raster positions (L, T - zoom/10) and (L, T - zoom/5) of the overhead
// box, L and T its left and top edge truncated to whole units.
export function heads_up_origins(view, width, height) {
  const zoom = f(view.zoom);
  const [left, top] = [Math.trunc(-zoom), Math.trunc(zoom)];
  const p = projection(view, width, height);
  return [10, 20].map((tenths) => {
    const y = f(top - f(f(zoom * tenths) / 100));
    const ndc = [f(f(left * p[0]) + p[12]), f(f(y * p[5]) + p[13])];
    return [f(f(ndc[0] * f(width / 2)) + f(width / 2)), f(f(ndc[1] * f(height / 2)) + f(height / 2))];
  });
}
