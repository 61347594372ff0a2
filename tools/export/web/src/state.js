// The page's state and its link. The state is tev's view state (viewer.js)
// and the page's own toggles: the newest block's mark, the x-ray of the
// other decks, and whether the panel is shown. The link is the address's
// fragment: every field of the view state by its name in tev, the toggles,
// and keys=SCRIPT, a key script typed after them; so a link reopens the
// same view. A fragment is read field by field: a field that is malformed
// or out of range is ignored, and so is a script that the parser refuses,
// whole. The page's earlier fields (counter, deck, ceilings, hull, station,
// target) still work; its earlier camera is ignored.
import { VIEW_FIELDS, start_up_view, parse_key_script } from './viewer.js';

export const TOGGLES = ['highlight', 'xray', 'panel'];
export const initial_toggles = () => ({ highlight: true, xray: false, panel: true });

// The earlier fragment's fields, by the view state's fields they set.
const EARLIER = { counter: 'blocks_shown', deck: 'deck_shown', ceilings: 'show_ceilings',
                  hull: 'show_hull', station: 'show_station', target: 'show_target' };

// The view the model was exported with (the view state in its root's
// extras), field by field; a model without it gives tev's start-up view at
// its counter and deck.
export function initial_view(facts) {
  const view = start_up_view(facts);
  const exported = { blocks_shown: facts.blocks_shown, deck_shown: facts.deck_shown, ...facts.view_state };
  for (const { name } of VIEW_FIELDS) {
    const value = checked(name, exported[name], facts);
    if (value !== null) view[name] = value;
  }
  return view;
}

// A value of a field, as tev can hold it, or null: the counter and the deck
// in their ranges, the flags 0 or 1, a float finite in single precision.
function checked(name, value, facts) {
  if (typeof value !== 'number') return null;
  if (FLOAT[name]) return Number.isFinite(Math.fround(value)) ? Math.fround(value) : null;
  const top = name === 'blocks_shown' ? facts.counter_max : name === 'deck_shown' ? facts.deck_count : 1;
  return Number.isInteger(value) && value >= 0 && value <= top ? value : null;
}
const FLOAT = Object.fromEntries(VIEW_FIELDS.map(({ name, float }) => [name, float]));

// The fragment of a view and the toggles.
export function link_of(view, toggles) {
  const fields = new URLSearchParams();
  for (const { name, float } of VIEW_FIELDS) fields.set(name, float ? shortest(view[name]) : String(view[name]));
  for (const name of TOGGLES) fields.set(name, toggles[name] ? '1' : '0');
  return fields.toString();
}

// The shortest decimal that reads back as the same single-precision float.
export function shortest(x) {
  for (let digits = 1; digits < 9; digits++) {
    const text = String(Number(x.toPrecision(digits)));
    if (Math.fround(Number(text)) === x) return text;
  }
  return String(Number(x.toPrecision(9)));
}

// What a fragment asks for, on top of the view and toggles it is opened
// on: { view, toggles, steps (the script's, or []), refused (why the
// script was, or '') }.
export function read_link(fragment, facts, view, toggles) {
  let fields;
  try {
    fields = new URLSearchParams(String(fragment).replace(/^#/, ''));
  } catch {
    return { view, toggles, steps: [], refused: '' };
  }
  view = { ...view };
  toggles = { ...toggles };
  const number = (name) => read_number(fields.get(name), FLOAT[name]);
  for (const [earlier, name] of Object.entries(EARLIER)) {
    const value = checked(name, number(earlier), facts);
    if (value !== null) view[name] = value;
  }
  for (const { name } of VIEW_FIELDS) {
    const value = checked(name, number(name), facts);
    if (value !== null) view[name] = value;
  }
  for (const name of TOGGLES) {
    const value = fields.get(name);
    if (value === '0' || value === '1') toggles[name] = value === '1';
  }
  let steps = [], refused = '';
  if (fields.has('keys')) {
    try {
      steps = parse_key_script(fields.get('keys'));
    } catch (error) {
      refused = error.message;
    }
  }
  return { view, toggles, steps, refused };
}

// A decimal number (a float's may have a fraction and an exponent), or null.
function read_number(text, float) {
  const form = float ? /^[+-]?(\d+\.?\d*|\.\d+)(e[+-]?\d+)?$/i : /^-?\d{1,10}$/;
  return text !== null && text.length <= 40 && form.test(text) ? Number(text) : null;
}
