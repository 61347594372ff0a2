// The page's commands: one table from which the keys, the panel's buttons
// (data-command) and the list of keys are all made. It holds tev's keys,
// with tev's meanings (viewer.js), and the page's own additions on keys that
// tev leaves free.
import { LETTER_COMMANDS, SPECIAL_KEYS } from './viewer.js';

// Each row: the command's name, its keys (as KeyboardEvent.key; "Shift+"
// before a named key), the keys the list shows, whether it acts only while
// the view has the focus, what it does, and the action, given the page p and
// whether Shift is held.

// tev's letter commands: upper and lower case alike, but for S, s, D and d.
const LETTERS = LETTER_COMMANDS.map((c) => ({
  name: c.name, keys: c.keys, shown: [c.keys[0]], view_only: false, what: c.what,
  action: (p) => p.key(c.keys[0]),
}));

// tev's special keys, with and without Shift: only while the view has the
// focus, where the browser would otherwise scroll, or reload (F5).
const SPECIALS = SPECIAL_KEYS.map((s) => ({
  name: `key_${s.name}`, keys: [s.key, `Shift+${s.key}`], shown: [s.key], view_only: true, what: s.what,
  action: (p, shift) => p.special(s.code, shift),
}));

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

export const COMMANDS = [...LETTERS, ...SPECIALS, ...PAGE];
const by_name = Object.fromEntries(COMMANDS.map((c) => [c.name, c]));
const by_key = Object.fromEntries(COMMANDS.flatMap((c) => c.keys.map((k) => [k, c])));

// Keys of tev that the page leaves without a command (tev quits on them);
// while the view has the focus they do not reach the browser either.
export const SILENT_KEYS = ['q', 'Q'];

export const command_named = (name) => by_name[name];

// The command of a key event, or undefined.
export function command_of_key(event) {
  if (event.ctrlKey || event.altKey || event.metaKey) return undefined;
  const key = event.key.length === 1 ? event.key : (event.shiftKey ? 'Shift+' : '') + event.key;
  return Object.hasOwn(by_key, key) ? by_key[key] : undefined;
}

// A key as the list and the buttons' titles show it.
export function key_label(key) {
  const names = { ' ': 'Space', ArrowLeft: '←', ArrowRight: '→', ArrowUp: '↑', ArrowDown: '↓',
                  Escape: 'Esc', PageUp: 'Page Up', PageDown: 'Page Down' };
  return key.split('+').filter(Boolean).map((k) => names[k] ?? k).join('+') || '+';
}
