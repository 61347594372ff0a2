// Measuring: while it is on, two clicks or taps on the view pick two
// points on what is drawn (Enter, on the view, picks the point under the
// aim at its middle), and the page draws the line between them with its
// length, and says "distance D (x X, y Y, z Z) ship units": the length and
// the second point less the first along each axis, each to one decimal. A
// third pick starts again. The button, its key, or Escape ends measuring.
const $ = (id) => document.getElementById(id);
// A press that moves further than this (CSS pixels) is a drag, not a pick.
const CLICK_SLOP = 6;

const one_decimal = (v) => (Math.abs(v) < 0.05 ? 0 : v).toFixed(1);

// The words for two points { x, y, z } of the ship's frame.
export function distance_words(a, b) {
  const d = ['x', 'y', 'z'].map((axis) => b[axis] - a[axis]);
  return `distance ${one_decimal(Math.hypot(...d))} (x ${one_decimal(d[0])}, y ${one_decimal(d[1])}, ` +
         `z ${one_decimal(d[2])}) ship units`;
}
const point_words = (p) => `x ${one_decimal(p.x)}, y ${one_decimal(p.y)}, z ${one_decimal(p.z)}`;

// element: the view's canvas; pick_point(x, y) the point drawn at a window
// point ({ point } in the ship's frame), or null; screen_of(point) where a
// point lies in the window, or null behind the eye; say(words) speaks in
// the live region. Returns the page's measure(on), measuring(),
// pick_middle() and update(), which follows a new frame.
export function create_measure(element, pick_point, screen_of, say) {
  let on = false, points = [];

  function pick(x, y) {
    const hit = pick_point(x, y);
    if (!hit) return say('nothing is drawn there to measure from');
    points = points.length === 1 ? [points[0], hit.point] : [hit.point];
    update();
    const words = points.length === 1 ? `first point ${point_words(hit.point)}; pick the second`
                                      : distance_words(...points);
    $('measure-result').textContent = words;
    return say(words);
  }
  function measure(wanted) {
    if (wanted === on) return;
    on = wanted;
    points = [];
    $('measure').setAttribute('aria-pressed', String(on));
    $('view').classList.toggle('measuring', on);
    $('measure-result').textContent = '';
    update();
    say(on ? 'measuring: click or tap two points on the ship, or press Enter on the view for the point ' +
             'under the aim at its middle' : 'measuring ended');
  }
  // The figure, over the view: the points, and the line between them with
  // its length at its middle, wherever the view has moved them.
  function update() {
    const figure = $('measure-figure'), box = element.getBoundingClientRect();
    const at = points.map((p) => screen_of(p));
    figure.hidden = !points.length || at.includes(null);
    if (figure.hidden) return;
    const [a, b = a] = at.map(({ x, y }) => [x - box.left, y - box.top]);
    for (const line of figure.querySelectorAll('line'))
      [['x1', a[0]], ['y1', a[1]], ['x2', b[0]], ['y2', b[1]]].forEach(([k, v]) => line.setAttribute(k, v));
    figure.querySelectorAll('circle').forEach((c, i) => {
      c.setAttribute('cx', [a, b][i][0]);
      c.setAttribute('cy', [a, b][i][1]);
    });
    const label = figure.querySelector('text');
    label.textContent = points.length === 2 ? one_decimal(points[0].distanceTo(points[1])) : '';
    label.setAttribute('x', (a[0] + b[0]) / 2);
    label.setAttribute('y', (a[1] + b[1]) / 2 - 8);
  }

  let pressed = null;
  element.addEventListener('pointerdown', (e) => { pressed = { x: e.clientX, y: e.clientY }; });
  element.addEventListener('click', (e) => {
    if (on && pressed && Math.hypot(e.clientX - pressed.x, e.clientY - pressed.y) <= CLICK_SLOP) pick(e.clientX, e.clientY);
  });
  window.addEventListener('resize', () => requestAnimationFrame(update));  // the view redraws on its own
  const pick_middle = () => {
    if (!on) return;
    const box = element.getBoundingClientRect();
    pick(box.left + box.width / 2, box.top + box.height / 2);
  };
  return { measure, measuring: () => on, pick_middle, update };
}
