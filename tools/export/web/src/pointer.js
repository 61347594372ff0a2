// The pointer and touch on the view. They change only fields of the view
// state, each kept to a single-precision float as tev keeps it, so that
// whatever they do is a view tev could show, and F6 and a link hold it.
// Perspective: a drag turns the heading and the pitch, and with Shift or
// the secondary button orbits about what lies ahead; the wheel or a pinch
// moves the eye along the heading. Overhead: a drag pans x and y; the wheel
// or a pinch zooms.
const f = Math.fround;

// The eye's move per wheel notch (100 of deltaY), in ship units.
const STEP_PER_NOTCH = 10;
// The zoom's factor per notch, and the zooms it keeps to: from a box a
// fiftieth of a deck across to one that holds the Earth.
const ZOOM_PER_NOTCH = 1.1, CLOSEST = 0.05, FARTHEST = 1e7;
// The pitch (the slope of the line of sight) stays within this.
const STEEPEST = 20;

// What a drag of (dx, dy) CSS pixels does to the view, on a view whose
// shorter side is `shorter` pixels long.
export function dragged(view, dx, dy, shorter) {
  if (!view.perspective_mode) {
    const units = 2 * view.zoom / shorter;
    return { cam_x: f(view.cam_x - dx * units), cam_y: f(view.cam_y + dy * units) };
  }
  // The shorter side spans 60°: the scene follows the pointer.
  const degrees = 60 / shorter;
  const heading = ((view.view_angle - dx * degrees) % 360 + 360) % 360;
  const pitch = Math.tan(Math.atan(view.view_pitch) + dy * degrees * Math.PI / 180);
  return { view_angle: f(heading), view_pitch: f(Math.max(-STEEPEST, Math.min(STEEPEST, pitch))) };
}

// A drag that orbits: the eye goes round the point `distance` ahead of it,
// in the x-y plane, still looking at it; up and down tilt as a turn does.
export function orbited(view, dx, dy, shorter, distance) {
  if (!view.perspective_mode) return dragged(view, dx, dy, shorter);
  const turned = dragged(view, -dx, dy, shorter);
  const a = view.view_angle * Math.PI / 180, b = turned.view_angle * Math.PI / 180;
  const centre = [view.cam_x + Math.sin(a) * distance, view.cam_y + Math.cos(a) * distance];
  return { ...turned, cam_x: f(centre[0] - Math.sin(b) * distance), cam_y: f(centre[1] - Math.cos(b) * distance) };
}

// What moving in by `notches` (negative: out) does to the view.
export function moved_in(view, notches) {
  if (!view.perspective_mode) {
    // A zoom that the keys took beyond those bounds is left where it is.
    const zoom = view.zoom / ZOOM_PER_NOTCH ** notches;
    const kept = notches > 0 ? Math.max(zoom, Math.min(view.zoom, CLOSEST))
                             : Math.min(zoom, Math.max(view.zoom, FARTHEST));
    return { zoom: f(kept) };
  }
  const a = view.view_angle * Math.PI / 180, step = notches * STEP_PER_NOTCH;
  return { cam_x: f(view.cam_x + Math.sin(a) * step), cam_y: f(view.cam_y + Math.cos(a) * step) };
}

// Follows drags, pinches and the wheel on the element; get() gives the
// view state, set(change) changes it, and ahead(view) is how far ahead of
// the eye an orbit turns about.
export function follow_drags(element, get, set, ahead) {
  const pointers = new Map();
  const shorter = () => Math.max(1, Math.min(element.clientWidth, element.clientHeight));
  const spread = () => {
    const [a, b] = [...pointers.values()];
    return Math.hypot(a.x - b.x, a.y - b.y);
  };
  let pinch = null;
  let orbit = false;
  element.addEventListener('contextmenu', (e) => e.preventDefault());
  element.addEventListener('pointerdown', (e) => {
    try {
      element.setPointerCapture(e.pointerId);  // the drag goes on outside the view
    } catch {
      // a pointer the browser does not know as active (a synthetic one) is followed all the same
    }
    pointers.set(e.pointerId, { x: e.clientX, y: e.clientY });
    orbit = e.shiftKey || e.button === 2;
    pinch = pointers.size === 2 ? spread() : null;
  });
  element.addEventListener('pointermove', (e) => {
    const last = pointers.get(e.pointerId);
    if (!last) return;
    const [dx, dy] = [e.clientX - last.x, e.clientY - last.y];
    pointers.set(e.pointerId, { x: e.clientX, y: e.clientY });
    if (pointers.size === 1 && (dx || dy)) {
      const view = get();
      set(orbit ? orbited(view, dx, dy, shorter(), ahead(view)) : dragged(view, dx, dy, shorter()));
    }
    if (pointers.size !== 2) return;
    const now = spread();
    if (pinch && now) {
      // Overhead the picture grows as the fingers spread; in perspective,
      // spreading them by the shorter side is five notches in.
      const view = get();
      set(moved_in(view, view.perspective_mode ? (now - pinch) / shorter() * 5
                                               : Math.log(now / pinch) / Math.log(ZOOM_PER_NOTCH)));
    }
    pinch = now;
  });
  const up = (e) => {
    pointers.delete(e.pointerId);
    pinch = pointers.size === 2 ? spread() : null;
  };
  element.addEventListener('pointerup', up);
  element.addEventListener('pointercancel', up);
  element.addEventListener('wheel', (e) => {
    e.preventDefault();
    const lines = e.deltaMode === 1 ? 33 : e.deltaMode === 2 ? 100 : 1;
    set(moved_in(get(), -e.deltaY * lines / 100));
  }, { passive: false });
}
