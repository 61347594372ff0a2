// The viewer's rules, as tev has them: its view state, the start-up view and
// reset_view, the letter commands, the special keys with the favourite view,
// the pop-up menu's entries and the companions' key scripts. Everything here
// is a pure function of a plain object that carries tev's view_state fields
// by their own names; a command returns the next state and leaves its
// argument alone. The ship's counter range and deck count come in `facts`
// (counter_max, deck_count), which the page reads from the model.
//
// tev keeps the camera, zoom and heading in single-precision floats: every
// result that tev stores in a float goes through f() (Math.fround), so the
// page lands on exactly the values tev does, step for step.

const f = Math.fround;

// The view state's fields, in tev's order: its name, and whether tev keeps
// it in a float (else an int).
// name               float
export const VIEW_FIELDS = [
  ['show_station',     false],
  ['show_earth',       false],
  ['far_clip',         false],
  ['show_hull',        false],
  ['world_view',       false],
  ['blocks_shown',     false],
  ['deck_shown',       false],
  ['show_ceilings',    false],
  ['show_target',      false],
  ['zoom',             true],
  ['perspective_mode', false],
  ['cam_x',            true],
  ['cam_y',            true],
  ['cam_z',            true],
  ['view_angle',       true],
  ['view_pitch',       true],
].map(([name, float]) => ({ name, float }));

// The camera's defaults in each projection mode.
// mode                   view_angle zoom cam_x cam_y cam_z
const CAMERA_DEFAULTS = {
  perspective: [110,      128,       -256,  20,    16],
  overhead:    [110,      128,       60,    0,     60],   // straight down on the middle of the ship
};

export function reset_view(view) {
  const [view_angle, zoom, cam_x, cam_y, cam_z] =
    CAMERA_DEFAULTS[view.perspective_mode ? 'perspective' : 'overhead'];
  return { ...view, view_angle, zoom, cam_x, cam_y, cam_z };
}

// What tev shows when it starts: everything zero, then ceilings and the
// perspective camera on, the commands f, a, l and w, and reset_view.
export function start_up_view(facts) {
  let view = Object.fromEntries(VIEW_FIELDS.map(({ name }) => [name, 0]));
  view = { ...view, show_ceilings: 1, perspective_mode: 1 };
  for (const key of 'falw') view = keyboard(view, key, facts);
  return reset_view(view);
}

// ---- letter commands ----------------------------------------------------------

const toggled = (view, name) => ({ ...view, [name]: view[name] ? 0 : 1 });
// The Earth follows the world view, whatever E did in between.
const world = (v) => { const w = v.world_view ? 0 : 1; return { ...v, world_view: w, show_earth: w }; };
const forward = (v, k) => ({ ...v, blocks_shown: Math.min(v.blocks_shown + 1, k.counter_max) });
const reverse = (v) => ({ ...v, blocks_shown: v.blocks_shown !== 0 ? v.blocks_shown - 1 : 0 });
const deck_up = (v, k) => ({ ...v, deck_shown: v.deck_shown < k.deck_count ? v.deck_shown + 1 : 0 });
const deck_down = (v, k) => ({ ...v, deck_shown: v.deck_shown === 0 ? k.deck_count : v.deck_shown - 1 });

// The heading wraps on its whole degrees.
const whole_degrees = (angle) => Math.abs(Math.trunc(angle));
function heading_up_1(v) {
  const a = f(v.view_angle + 1);
  return { ...v, view_angle: whole_degrees(a) >= 360 ? 0 : a };
}
function heading_down_1(v) {
  return { ...v, view_angle: whole_degrees(v.view_angle) % 360 !== 0 ? f(v.view_angle - 1) : 359 };
}
function heading_up_10(v) {
  const a = f(v.view_angle + 10);
  return { ...v, view_angle: a >= 360 ? f(a - 360) : a };
}
function heading_down_10(v) {
  return { ...v, view_angle: v.view_angle > 10 ? f(v.view_angle - 10) : f(v.view_angle + 350) };
}

// tev's letter commands, in the order of its help text; upper and lower case
// do the same but for S, s, D and d. Each row: the keys, the command's name,
// what it does (for the page's list of keys), and the action.
// keys  name              what it does                                      action
const LETTERS = [
  ['Ee', 'earth',          'the Earth on or off',                             (v) => toggled(v, 'show_earth')],
  ['Ff', 'station',        'the space station on or off',                     (v) => toggled(v, 'show_station')],
  ['Zz', 'begin',          'begin construction (no blocks)',                  (v) => ({ ...v, blocks_shown: 0 })],
  ['Jj', 'forward',        'construction forward (one block)',                forward],
  ['Hh', 'back',           'construction reverse (one block)',                reverse],
  ['Aa', 'end',            'end construction (all blocks)',                   (v, k) => ({ ...v, blocks_shown: k.counter_max })],
  ['Uu', 'up',             'one deck up (after the top: all decks)',          deck_up],
  ['Nn', 'down',           'one deck down (after all decks: the top)',        deck_down],
  ['Ll', 'all',            'all decks',                                       (v, k) => ({ ...v, deck_shown: k.deck_count })],
  ['Xx', 'target',         'the landing-bay target on or off',                (v) => toggled(v, 'show_target')],
  ['Oo', 'overhead',       'overhead view (Page Up, Page Down zoom it)',      (v) => reset_view({ ...v, perspective_mode: 0 })],
  ['Pp', 'perspective',    'perspective view',                                (v) => reset_view({ ...v, perspective_mode: 1 })],
  ['S',  'heading_down_10','turn the heading 10° (about +z)',                  heading_down_10],
  ['s',  'heading_down_1', 'turn the heading 1° (about +z)',                   heading_down_1],
  ['D',  'heading_up_10',  'turn the heading 10° the other way (about −z)',    heading_up_10],
  ['d',  'heading_up_1',   'turn the heading 1° the other way (about −z)',     heading_up_1],
  ['Tt', 'ceilings',       'ceilings on or off',                              (v) => toggled(v, 'show_ceilings')],
  ['Vv', 'reset',          'reset the view',                                  reset_view],
  ['Mm', 'far_clip',       'near and far planes 0.1 and 10,000,000 or not',   (v) => toggled(v, 'far_clip')],
  ['Kk', 'hull',           'the hull cylinders on or off',                    (v) => toggled(v, 'show_hull')],
  ['Ww', 'world',          'world view: the Earth and far planes, on or off', world],
];
export const LETTER_COMMANDS = LETTERS.map(([keys, name, what, action]) => ({ keys: [...keys], name, what, action }));

// Keys that end tev; the page quits nothing, and a key script may not hold them.
export const QUIT_KEYS = ['\x1b', 'Q', 'q'];

const letter_of = Object.fromEntries(LETTER_COMMANDS.flatMap((c) => c.keys.map((k) => [k, c])));

// The state after tev's command for the character `key`, or null where the
// key is none of the letter commands (tev's '?', quit keys and unknown keys
// among them).
export function keyboard(view, key, facts) {
  const command = Object.hasOwn(letter_of, key) ? letter_of[key] : null;
  return command ? command.action(view, facts) : null;
}

// ---- special keys ----------------------------------------------------------------

const step = (shift) => (shift ? 10 : 0.5);
const moved = (name, sign) => (v, shift) => ({ ...v, [name]: f(v[name] + sign * step(shift)) });

// Each row: the toolkit's code, the name a key script gives it (as in
// <PageUp>), the browser's KeyboardEvent.key for it, what it does, and the
// action given the view, whether Shift is held, and the favourite-view
// store.
// code  script name  browser key   what it does                                    action
const SPECIALS = [
  [100,  'Left',      'ArrowLeft',  'camera −x (Shift: 10 units, else 0.5)',         moved('cam_x', -1)],
  [102,  'Right',     'ArrowRight', 'camera +x',                                     moved('cam_x', 1)],
  [101,  'Up',        'ArrowUp',    'camera +y',                                     moved('cam_y', 1)],
  [103,  'Down',      'ArrowDown',  'camera −y',                                     moved('cam_y', -1)],
  [106,  'Home',      'Home',       'camera up (+z)',                                moved('cam_z', 1)],
  [107,  'End',       'End',        'camera down (−z)',                              moved('cam_z', -1)],
  [104,  'PageUp',    'PageUp',     'overhead: show more (Shift: faster)',           (v, s) => ({ ...v, zoom: f(v.zoom * (s ? 1.1 : 1.01)) })],
  [105,  'PageDown',  'PageDown',   'overhead: show less (Shift: faster)',           (v, s) => ({ ...v, zoom: f(v.zoom / (s ? 1.1 : 1.01)) })],
  [108,  'Insert',    'Insert',     'look further down (Shift: up)',                 (v, s) => ({ ...v, view_pitch: f(v.view_pitch + (s ? 0.01 : -0.01)) })],
  [1,    'F1',        'F1',         'look level',                                    (v) => ({ ...v, view_pitch: 0 })],
  [5,    'F5',        'F5',         'restore the favourite view',                    (v, s, store) => restore_favourite(v, store?.read())],
  [6,    'F6',        'F6',         'save the favourite view',                       (v, s, store) => { store?.write(favourite_text(v)); return v; }],
];
export const SPECIAL_KEYS = SPECIALS.map(([code, name, key, what, action]) => ({ code, name, key, what, action }));
export const F6 = 6;

const special_of = Object.fromEntries(SPECIAL_KEYS.map((s) => [s.code, s]));

// The state after tev's special key `code` (Shift held or not), or null for
// a code that is none of them. `store` keeps the favourite view:
// { read() → text or null, write(text) }; without one F5 resets the view
// and F6 keeps nothing.
export function special_key(view, code, shift, store = null) {
  const key = Object.hasOwn(special_of, code) ? special_of[code] : null;
  return key ? key.action(view, Boolean(shift), store) : null;
}

// ---- the favourite view ---------------------------------------------------------

// The nine lines of favview.sav; cam_z is written twice, and the second
// read counts.
const FAVOURITE_LINES = ['show_earth', 'far_clip', 'zoom', 'cam_x', 'cam_y', 'cam_z', 'cam_z',
                         'view_angle', 'view_pitch'];
const is_float = Object.fromEntries(VIEW_FIELDS.map(({ name, float }) => [name, float]));

// The file's text as tev writes it: ints by "%d", floats by "%g".
export function favourite_text(view) {
  return FAVOURITE_LINES.map((name) => (is_float[name] ? format_g(view[name]) : String(view[name] | 0)) + '\n')
    .join('');
}

// The view after reading a favourite view's text; no text: reset_view. As
// tev's reader, a value that does not read leaves its field, and so does
// every value after it.
export function restore_favourite(view, text) {
  if (typeof text !== 'string') return reset_view(view);
  const lines = text.split('\n');
  const next = { ...view };
  for (const [i, name] of FAVOURITE_LINES.entries()) {
    const value = is_float[name] ? read_float(lines[i]) : read_int(lines[i]);
    if (value === null) break;
    next[name] = value;
  }
  return next;
}

function read_int(line) {
  const m = /^\s*([+-]?\d{1,12})\s*$/.exec(line ?? '');
  const n = m ? Number(m[1]) : NaN;
  return Number.isInteger(n) && n >= -2147483648 && n <= 2147483647 ? n : null;
}

function read_float(line) {
  const t = (line ?? '').trim().toLowerCase();
  const special = { inf: Infinity, '+inf': Infinity, '-inf': -Infinity, nan: NaN, '-nan': NaN };
  if (Object.hasOwn(special, t)) return special[t];
  return /^[+-]?(\d+\.?\d*|\.\d+)(e[+-]?\d+)?$/.test(t) ? f(Number(t)) : null;
}

// C's "%g" of a number: six significant digits, rounded half to even on
// the number's exact binary value as the C library does, trailing zeros
// dropped, the exponent form below 1e-4 and from 1e6.
export function format_g(x) {
  if (Number.isNaN(x)) return 'nan';
  if (!Number.isFinite(x)) return x < 0 ? '-inf' : 'inf';
  const sign = x < 0 || Object.is(x, -0) ? '-' : '';
  if (x === 0) return `${sign}0`;
  let [digits, exponent] = six_digits(Math.abs(x));
  const trim = (s) => (s.includes('.') ? s.replace(/0+$/, '').replace(/\.$/, '') : s);
  if (exponent < -4 || exponent >= 6) {
    const mantissa = trim(`${digits[0]}.${digits.slice(1)}`);
    const e = Math.abs(exponent);
    return `${sign}${mantissa}e${exponent < 0 ? '-' : '+'}${e < 10 ? '0' : ''}${e}`;
  }
  if (exponent >= 0) return sign + trim(`${digits.slice(0, exponent + 1)}.${digits.slice(exponent + 1)}`);
  return sign + trim(`0.${'0'.repeat(-exponent - 1)}${digits}`);
}

// The six significant digits of x > 0 and the decimal exponent of the first,
// from x's exact value m · 2^e.
function six_digits(x) {
  const bits = new DataView(new ArrayBuffer(8));
  bits.setFloat64(0, x);
  const high = bits.getUint32(0), low = bits.getUint32(4);
  const biased = (high >>> 20) & 0x7ff;
  let m = (BigInt(high & 0xfffff) << 32n) | BigInt(low);
  if (biased) m |= 1n << 52n;
  const e = (biased || 1) - 1075;
  // x = n / 10^scale exactly.
  const n = e >= 0 ? m << BigInt(e) : m * 5n ** BigInt(-e);
  const scale = e >= 0 ? 0 : -e;
  const all = n.toString();
  const exponent = all.length - 1 - scale;
  if (all.length <= 6) return [all.padEnd(6, '0'), exponent];
  let head = BigInt(all.slice(0, 6));
  const rest = all.slice(6);
  const half = '5' + '0'.repeat(rest.length - 1);
  if (rest > half || (rest === half && head % 2n === 1n)) head += 1n;
  const text = head.toString();
  return text.length > 6 ? [text.slice(0, 6), exponent + 1] : [text, exponent];
}

// ---- the pop-up menu --------------------------------------------------------------

// tev's menu entries by value: each replays keys, or does what its function
// says. Value 3 quits.
const MENU = {
  9: (v, k) => ({ ...keyboard(keyboard(v, 'a', k), 'l', k), show_earth: 1, show_station: 1 }),  // Show All
  8: (v, k) => keyboard(v, 'e', k),                                                              // Earth
  7: (v, k) => keyboard(v, 'f', k),                                                              // ISS Alpha
  6: (v, k) => keyboard(v, 'v', k),                                                              // Reset View
  5: (v, k) => keyboard(v, 'x', k),                                                              // Landing Bay Target
  4: (v, k) => keyboard(v, v.perspective_mode ? 'o' : 'p', k),                                   // Toggle View
};
export const MENU_QUIT = 3;

export function menu(view, value, facts) {
  return Object.hasOwn(MENU, value) ? MENU[value](view, facts) : view;
}

// ---- key scripts ------------------------------------------------------------------
// A key script is typed as at tev's keyboard: each character one key; <Name>
// a special key, <S-Name> with Shift; <menu:N> a menu entry; <lt> the key
// '<'. Names are not case-sensitive. A script that would quit, or save the
// favourite view (<F6>), is refused whole, as the companions refuse it. The
// script is read as its UTF-8 bytes, as the companions read it, so that
// "at character N" names the same place.

export class KeyScriptError extends Error {}

// The steps of a script: { kind: 'key' | 'special' | 'menu', code, shift };
// throws a KeyScriptError that names what was wrong and where.
export function parse_key_script(script) {
  const bytes = new TextEncoder().encode(String(script));
  const text = Array.from(bytes, (b) => String.fromCharCode(b)).join('');
  const steps = [];
  for (let i = 0; i < text.length; i++) {
    let step = { kind: 'key', code: text.charCodeAt(i), shift: false };
    const start = i;
    if (text[i] === '<') {
      const close = text.slice(i + 1).search(/[<>]/) + i + 1;
      if (close === i || text[close] !== '>')
        throw new KeyScriptError(`'<' without its '>'${at(i)} (write <lt> for the key '<')`);
      step = bracketed(text.slice(i + 1, close), i);
      i = close;
    }
    const why = refusal(step);
    if (why) throw new KeyScriptError(why + at(start));
    steps.push(step);
  }
  return steps;
}

const at = (offset) => ` at character ${offset + 1}`;
const special_named = Object.fromEntries(SPECIAL_KEYS.map((s) => [s.name.toLowerCase(), s.code]));

// The item as an error shows it: control characters as \xNN.
const shown_as = (item) => `<${new TextDecoder().decode(Uint8Array.from(item, (c) => c.charCodeAt(0)))
  .replace(/[\x00-\x1f\x7f]/g, (c) => `\\x${c.charCodeAt(0).toString(16).padStart(2, '0')}`)}>`;

// Names compare as the C library's strcasecmp does, ASCII letters only.
const ascii_lower = (s) => s.replace(/[A-Z]/g, (c) => c.toLowerCase());

function bracketed(item, offset) {
  const lower = ascii_lower(item);
  if (lower === 'lt') return { kind: 'key', code: '<'.charCodeAt(0), shift: false };
  if (lower.startsWith('menu:')) {
    const digits = item.slice(5);
    const value = /^[+-]?\d+$/.test(digits) ? Number(digits) : NaN;
    if (!(Number.isInteger(value) && value >= -2147483648 && value <= 2147483647))
      throw new KeyScriptError(`menu value is not a whole number in ${shown_as(item)}${at(offset)}`);
    return { kind: 'menu', code: value, shift: false };
  }
  const shift = lower.startsWith('s-');
  const name = shift ? lower.slice(2) : lower;
  if (!Object.hasOwn(special_named, name))
    throw new KeyScriptError(`unknown key name ${shown_as(item)}${at(offset)}`);
  return { kind: 'special', code: special_named[name], shift };
}

function refusal(step) {
  if ((step.kind === 'key' && QUIT_KEYS.includes(String.fromCharCode(step.code))) ||
      (step.kind === 'menu' && step.code === MENU_QUIT)) {
    const what = step.kind === 'menu' ? `<menu:${step.code}>`
               : step.code === 0x1b ? 'Escape' : `'${String.fromCharCode(step.code)}'`;
    return `the script would quit the viewer: ${what}`;
  }
  if (step.kind === 'special' && step.code === F6)
    return `the script would overwrite favview.sav in the working directory: ${step.shift ? '<S-F6>' : '<F6>'}`;
  return '';
}

// The state after the steps, each given to tev's keyboard, special keys or
// menu; a key that is none of tev's commands changes nothing.
export function run_key_script(view, steps, facts, store = null) {
  for (const s of steps) {
    const next = s.kind === 'key' ? keyboard(view, String.fromCharCode(s.code), facts)
               : s.kind === 'special' ? special_key(view, s.code, s.shift, store)
               : menu(view, s.code, facts);
    view = next ?? view;
  }
  return view;
}
