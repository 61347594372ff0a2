// The page's commands: one table from which the keys, the panel's buttons
// (data-command) and the help's list of keys are all made.

// Turns about a twelfth of a right angle per arrow press; pans by a few
// pixels' worth; zooms by a tenth.
const ORBIT = Math.PI / 24, PAN = 20, ZOOM = 1.1;

// Each row: the command's name, its keys (a key as KeyboardEvent.key, lower
// case for letters, "Shift+" before a named key), whether it acts only
// while the view has the focus, what it does (for the help and the
// buttons' titles), and the action, given the page p.
// name          keys                     view   what it does                           action
const TABLE = [
  ['begin',      ['z'],                   false, 'no blocks',                           (p) => p.set({ counter: 0 })],
  ['back',       ['h'],                   false, 'one block back',                      (p) => p.set({ counter: p.state.counter - 1 })],
  ['forward',    ['j'],                   false, 'one block forward',                   (p) => p.set({ counter: p.state.counter + 1 })],
  ['end',        ['a'],                   false, 'all blocks',                          (p) => p.set({ counter: p.facts.counter_max })],
  ['play',       [' '],                   false, 'play or pause the construction',      (p) => p.play(!p.playing())],
  ['up',         ['u'],                   false, 'one deck up (after the top: all)',    (p) => p.set({ deck: deck_up(p) })],
  ['down',       ['n'],                   false, 'one deck down (after all: the top)',  (p) => p.set({ deck: deck_down(p) })],
  ['all',        ['l'],                   false, 'all decks',                           (p) => p.set({ deck: p.facts.deck_count })],
  ['ceilings',   ['t'],                   false, 'ceilings on or off',                  (p) => toggle(p, 'ceilings')],
  ['hull',       ['k'],                   false, 'hull on or off',                      (p) => toggle(p, 'hull')],
  ['station',    ['f'],                   false, 'station on or off',                   (p) => toggle(p, 'station')],
  ['target',     ['x'],                   false, 'landing target on or off',            (p) => toggle(p, 'target')],
  ['highlight',  ['g'],                   false, 'newest block marked or not',          (p) => toggle(p, 'highlight')],
  ['xray',       ['r'],                   false, 'other decks faint (x-ray) or hidden', (p) => toggle(p, 'xray')],
  ['reset',      ['v'],                   false, 'reset the view',                      (p) => p.camera.reset()],
  ['orbit_left', ['ArrowLeft'],           true,  'orbit left',                          (p) => p.camera.orbit(ORBIT, 0)],
  ['orbit_right',['ArrowRight'],          true,  'orbit right',                         (p) => p.camera.orbit(-ORBIT, 0)],
  ['orbit_up',   ['ArrowUp'],             true,  'orbit up',                            (p) => p.camera.orbit(0, ORBIT)],
  ['orbit_down', ['ArrowDown'],           true,  'orbit down',                          (p) => p.camera.orbit(0, -ORBIT)],
  ['pan_left',   ['Shift+ArrowLeft'],     true,  'pan left',                            (p) => p.camera.pan(PAN, 0)],
  ['pan_right',  ['Shift+ArrowRight'],    true,  'pan right',                           (p) => p.camera.pan(-PAN, 0)],
  ['pan_up',     ['Shift+ArrowUp'],       true,  'pan up',                              (p) => p.camera.pan(0, PAN)],
  ['pan_down',   ['Shift+ArrowDown'],     true,  'pan down',                            (p) => p.camera.pan(0, -PAN)],
  ['zoom_in',    ['+', 'PageUp'],         true,  'zoom in',                             (p) => p.camera.zoom(ZOOM)],
  ['zoom_out',   ['-', 'PageDown'],       true,  'zoom out',                            (p) => p.camera.zoom(1 / ZOOM)],
  ['copy_link',  [],                      false, 'copy a link to this view',            (p) => p.copy_link()],
  ['panel',      [],                      false, 'hide or show the panel',              (p) => p.toggle_panel()],
  ['help',       ['?'],                   false, 'list the keys',                       (p) => p.help(true)],
  ['close',      ['Escape'],              false, 'close the list of keys',              (p) => p.help(false)],
];

export const COMMANDS = TABLE.map(([name, keys, view_only, what, action]) => ({ name, keys, view_only, what, action }));
const by_name = Object.fromEntries(COMMANDS.map((c) => [c.name, c]));
const by_key = Object.fromEntries(COMMANDS.flatMap((c) => c.keys.map((k) => [k, c])));

const toggle = (p, name) => p.set({ [name]: !p.state[name] });
const deck_up = (p) => (p.state.deck < p.facts.deck_count ? p.state.deck + 1 : 0);
const deck_down = (p) => (p.state.deck === 0 ? p.facts.deck_count : p.state.deck - 1);

export const command_named = (name) => by_name[name];

// The command of a key event, or undefined.
export function command_of_key(event) {
  if (event.ctrlKey || event.altKey || event.metaKey) return undefined;
  const key = event.key.length === 1 ? event.key.toLowerCase()
            : (event.shiftKey ? 'Shift+' : '') + event.key;
  return by_key[key];
}

// A key as the help and the buttons' titles show it.
export function key_label(key) {
  const names = { ' ': 'Space', ArrowLeft: '←', ArrowRight: '→', ArrowUp: '↑', ArrowDown: '↓',
                  Escape: 'Esc', PageUp: 'Page Up', PageDown: 'Page Down' };
  return key.split('+').filter(Boolean).map((k) => names[k] ?? (k.length === 1 ? k.toUpperCase() : k))
    .join('+') || '+';
}
