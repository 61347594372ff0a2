// The page's state (construction counter, deck filter, toggles), kept in
// range by the ship's facts from the model, and its link: the address's
// fragment, which holds the state and the camera, so that a link reopens
// the same view. A fragment is read field by field; a field that is not
// well formed and in range is ignored.

// The toggles: the model's optional parts, then the newest block's mark
// and the x-ray of the other decks.
export const TOGGLES = ['ceilings', 'hull', 'station', 'target', 'highlight', 'xray'];

export function initial_state(facts) {
  return {
    counter: whole(facts.blocks_shown, 0, facts.counter_max) ?? facts.counter_max,
    deck: whole(facts.deck_shown, 0, facts.deck_count) ?? facts.deck_count,
    ceilings: true, hull: true, station: true, target: true, highlight: true, xray: false,
  };
}

// The state after a change, the counter and deck clamped to their ranges.
export function changed(state, change, facts) {
  const next = { ...state, ...change };
  next.counter = clamp(next.counter, 0, facts.counter_max);
  next.deck = clamp(next.deck, 0, facts.deck_count);
  for (const name of TOGGLES) next[name] = Boolean(next[name]);
  return next;
}

// The fragment for a state and a camera (position, then target).
export function link_of(state, camera) {
  const fields = { counter: state.counter, deck: state.deck };
  for (const name of TOGGLES) fields[name] = state[name] ? 1 : 0;
  fields.camera = camera.map(round).join(',');
  return new URLSearchParams(fields).toString().replaceAll('%2C', ',');
}

// The state change and camera a fragment asks for, leaving out every field
// that is malformed or out of range: { change, camera (or null) }.
export function read_link(fragment, facts) {
  let fields;
  try {
    fields = new URLSearchParams(String(fragment).replace(/^#/, ''));
  } catch {
    return { change: {}, camera: null };
  }
  const change = {};
  const counter = whole(text(fields.get('counter')), 0, facts.counter_max);
  if (counter !== null) change.counter = counter;
  const deck = whole(text(fields.get('deck')), 0, facts.deck_count);
  if (deck !== null) change.deck = deck;
  for (const name of TOGGLES) {
    const value = fields.get(name);
    if (value === '0' || value === '1') change[name] = value === '1';
  }
  return { change, camera: camera_in(fields.get('camera')) };
}

// Six finite numbers of moderate size, the position apart from the target.
function camera_in(value) {
  if (typeof value !== 'string' || value.length > 200) return null;
  const parts = value.split(',');
  if (parts.length !== 6 || !parts.every((p) => /^-?\d{1,6}(\.\d{1,8})?$/.test(p))) return null;
  const numbers = parts.map(Number);
  const apart = Math.hypot(numbers[0] - numbers[3], numbers[1] - numbers[4], numbers[2] - numbers[5]);
  return apart > 1e-3 ? numbers : null;
}

// Camera coordinates go into links to 1/10000 of a unit; the page keeps its
// camera at what its link says, so a reopened link draws the same picture.
export const round = (n) => Math.round(n * 1e4) / 1e4;

const text = (value) => (value !== null && /^\d{1,6}$/.test(value) ? Number(value) : null);

// n if it is a whole number in [lo, hi], else null.
function whole(n, lo, hi) {
  return Number.isInteger(n) && n >= lo && n <= hi ? n : null;
}

function clamp(n, lo, hi) {
  return Math.min(Math.max(Math.trunc(n) || 0, lo), hi);
}
