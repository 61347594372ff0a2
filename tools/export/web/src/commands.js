// The page's commands: one table from which the keys, the panel's buttons
// (data-command) and the list of keys are all made. tev's keys come from the
// viewer's own tables (its letter commands, special keys and help text); the
// page adds its own on keys that tev leaves free.

// A command: its name, its keys (as KeyboardEvent.key; "Shift+" before a
// named key), the keys the list shows, whether it acts only while the view
// has the focus, what it does, and the action, given the page p and whether
// Shift is held.

// The panel's buttons that press a key of tev, by the key.
// button         key
const BUTTONS = {
  j:              'forward',
  h:              'back',
  z:              'begin',
  a:              'end',
  o:              'overhead',
  p:              'perspective',
  v:              'reset',
};

// The browser's KeyboardEvent.key for the special keys whose name differs.
const BROWSER_KEY = { Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown' };

// What the list says a special key does.
// name        what it does
const SPECIAL_WORDS = {
  Left:        'camera −x (Shift: faster)',
  Right:       'camera +x (Shift: faster)',
  Up:          'camera +y (Shift: faster)',
  Down:        'camera −y (Shift: faster)',
  Home:        'camera up (+z; Shift: faster)',
  End:         'camera down (−z; Shift: faster)',
  PageUp:      'overhead: show more (Shift: faster)',
  PageDown:    'overhead: show less (Shift: faster)',
  Insert:      'look further down (Shift: up)',
  F1:          'look level',
  F5:          'restore the favourite view',
  F6:          'save the favourite view',
};

// A help line of tev ("E \t toggle earth\n") without its key.
const help_words = (help) => help.replace(/^[^\t]*\t\s*/, '').trim();

// tev's letter commands: each key of a command (upper and lower case alike
// but for S, s, D and d) runs it; those that quit tev, and '?', which the
// page has its own list for, are left out.
function letters(commands) {
  return commands.letters
    .filter((c) => !c.quits && c.keys !== '?')
    .map((c) => {
      const key = c.keys[0].toLowerCase();
      return { name: BUTTONS[key] ?? `key_${c.keys[0]}`, keys: [...c.keys], shown: [c.keys[0]], view_only: false,
               what: c.help ? help_words(c.help) : 'as in tev (not in its help text)',
               action: (p) => p.key(c.keys[0]) };
    });
}

// tev's special keys, with and without Shift: only while the view has the
// focus, where the browser would otherwise scroll, or reload (F5).
function specials(commands) {
  return commands.specials.map(([name, code]) => {
    const key = BROWSER_KEY[name] ?? name;
    return { name: `key_${name}`, keys: [key, `Shift+${key}`], shown: [key], view_only: true, what: SPECIAL_WORDS[name] ?? name,
             action: (p, shift) => p.special(code, shift) };
  });
}

// Enter picks only while the view has the focus: elsewhere it presses
// the focused control.
const VIEW_ONLY = new Set(['measure_here']);

// name          keys          what it does                                   action
const PAGE = [
  ['play',       [' '],        'play or pause the construction',              (p) => p.play(!p.playing())],
  ['highlight',  ['G', 'g'],   'newest block marked or not',                  (p) => p.toggle('highlight')],
  ['xray',       ['R', 'r'],   'other decks faint (x-ray) or hidden',         (p) => p.toggle('xray')],
  ['find',       ['/'],        'find a block by name',                        (p) => p.find()],
  ['measure',    ['C', 'c'],   'measure: pick two points on the ship, or stop', (p) => p.measure(!p.measuring())],
  ['measure_here', ['Enter'],  'while measuring, pick the point under the aim', (p) => p.pick_middle()],
  ['copy_link',  [],           'copy a link to this view',                    (p) => p.copy_link()],
  ['panel',      [],           'hide or show the panel',                      (p) => p.toggle('panel')],
  ['help',       ['?'],        'list the keys',                               (p) => p.help(true)],
  ['close',      ['Escape'],   'close the list of keys, or stop measuring (the page quits nothing)',
                                                                              (p) => p.help(false) || p.measure(false)],
].map(([name, keys, what, action]) => ({ name, keys, shown: keys.slice(0, 1), view_only: VIEW_ONLY.has(name), what, action }));

// The table, from the viewer's commands (viewer.js): { commands, command_named,
// command_of_key, silent_keys }. The silent keys are tev's keys that the page
// leaves without a command (tev quits on them); while the view has the focus
// they do not reach the browser either.
export function command_table(viewer_commands) {
  const commands = [...letters(viewer_commands), ...specials(viewer_commands), ...PAGE];
  const by_name = Object.fromEntries(commands.map((c) => [c.name, c]));
  const by_key = Object.fromEntries(commands.flatMap((c) => c.keys.map((k) => [k, c])));
  const silent_keys = viewer_commands.letters.filter((c) => c.quits).flatMap((c) => [...c.keys])
    .filter((k) => !Object.hasOwn(by_key, k));
  return {
    commands,
    silent_keys,
    command_named: (name) => by_name[name],
    // The command of a key event, or undefined.
    command_of_key(event) {
      if (event.ctrlKey || event.altKey || event.metaKey) return undefined;
      const key = event.key.length === 1 ? event.key : (event.shiftKey ? 'Shift+' : '') + event.key;
      return Object.hasOwn(by_key, key) ? by_key[key] : undefined;
    },
  };
}

// A key as the list and the buttons' titles show it.
export function key_label(key) {
  const names = { ' ': 'Space', ArrowLeft: '←', ArrowRight: '→', ArrowUp: '↑', ArrowDown: '↓',
                  Escape: 'Esc', PageUp: 'Page Up', PageDown: 'Page Down' };
  return key.split('+').filter(Boolean).map((k) => names[k] ?? k).join('+') || '+';
}
