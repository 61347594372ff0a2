// The page's panel and keys: the construction slider and its buttons, the
// deck filter, the toggles, the list of keys, the heads-up line, the newest
// block and the block under the pointer, and the announcements for screen
// readers. Every control runs a command of the command table (commands.js)
// or sets the state through page.set; update() shows a new state.
import { key_label } from './commands.js';

const $ = (id) => document.getElementById(id);

// The panel's check boxes: the view state's flags, then the page's toggles.
// box         field
const BOXES = [
  ['earth',    'show_earth'],
  ['ceilings', 'show_ceilings'],
  ['hull',     'show_hull'],
  ['station',  'show_station'],
  ['target',   'show_target'],
  ['highlight', null],
  ['xray',     null],
];

export function create_controls(page) {
  bind_buttons(page);
  bind_inputs(page);
  bind_keys(page);
  fill_help(page);
  return { update: (state, before, heads_up) => update(page, state, before, heads_up) };
}

// The buttons name their command in data-command; their titles and
// shortcuts come from the table.
function bind_buttons(page) {
  const { command_named } = page.commands;
  for (const button of document.querySelectorAll('button[data-command]')) {
    const command = command_named(button.dataset.command);
    const keys = command.shown.map(key_label);
    button.title = keys.length ? `${command.what} (${keys.join(', ')})` : command.what;
    if (!button.hasAttribute('aria-label') && !/\w/.test(button.textContent)) button.setAttribute('aria-label', command.what);
    if (keys.length) button.setAttribute('aria-keyshortcuts', command.shown.map((k) => (k === ' ' ? 'Space' : k)).join(' '));
    button.addEventListener('click', () => command.action(page, false));
  }
}

function bind_inputs(page) {
  const { facts } = page;
  $('counter').max = facts.counter_max;
  $('counter').addEventListener('input', (e) => page.set({ view: { blocks_shown: Number(e.target.value) } }));
  const deck = $('deck');
  deck.add(new Option('all decks', facts.deck_count));
  for (let d = 0; d < facts.deck_count; d++)
    deck.add(new Option(`${d} (deck ${facts.deck_numbers[d]})`, d));
  deck.addEventListener('change', (e) => page.set({ view: { deck_shown: Number(e.target.value) } }));
  for (const [box, field] of BOXES)
    $(`show-${box}`).addEventListener('change', (e) => page.set(
      field ? { view: { [field]: e.target.checked ? 1 : 0 } } : { toggles: { [box]: e.target.checked } }));
}

// The table's keys, from anywhere on the page; tev's special keys only
// while the view has the focus. While it has, no key of tev reaches the
// browser (F5 does not reload, q does nothing). A key that a focused
// control uses itself (Space on a button, arrows on the slider, letters in
// the deck list) stays with it.
function bind_keys(page) {
  const { command_of_key, silent_keys } = page.commands;
  const view = $('view');
  window.addEventListener('keydown', (e) => {
    const command = command_of_key(e);
    const on_view = document.activeElement === view;
    if (!command) {
      if (on_view && silent_keys.includes(e.key) && !(e.ctrlKey || e.altKey || e.metaKey)) e.preventDefault();
      return;
    }
    if (command.view_only && !on_view) return;
    if ($('help').open && command.name !== 'close') return;
    if (e.target.matches?.('input[type=text]')) return;  // typed into the field, which keeps its own keys
    if (e.target.closest?.('button, select, input') && [' ', 'Enter'].includes(e.key)) return;
    if (e.target.closest?.('select') && command.name !== 'close') return;  // its letters pick options
    command.action(page, e.shiftKey);
    e.preventDefault();
  });
}

// The list of keys, made from the command table. Each key is a button as
// well, which closes the list and runs its command: where there is no
// keyboard (a phone), every command is a touch away.
function fill_help(page) {
  const list = $('help-keys');
  for (const command of page.commands.commands) {
    const row = list.insertRow();
    const keys = command.shown.map(key_label).join(', ');
    const cell = row.insertCell();
    if (['help', 'close'].includes(command.name)) {
      cell.textContent = keys;
    } else {
      const button = cell.appendChild(document.createElement('button'));
      button.textContent = keys || command.name.replace('_', ' ');
      button.addEventListener('click', () => { show_help(false); command.action(page, false); });
    }
    row.insertCell().textContent = command.what + (command.view_only ? ' (with the view focused)' : '');
  }
}

// Opens or closes the list; true where that changed it.
export function show_help(open) {
  const help = $('help');
  if (open === help.open) return false;
  if (open) help.showModal();
  else help.close();
  return true;
}

function update(page, state, before, heads_up) {
  const { facts } = page;
  const { view, toggles } = state;
  $('counter').value = view.blocks_shown;
  $('deck').value = view.deck_shown;
  $('hud').textContent = heads_up[0] ?? '';
  for (const [box, field] of BOXES) $(`show-${box}`).checked = Boolean(field ? view[field] : toggles[box]);
  $('play').textContent = page.playing() ? 'pause' : 'play';
  const newest = page.blocks[view.blocks_shown - 1];
  $('newest').textContent = newest ? `newest: ${describe(newest, facts)}` : '';
  fold_panel(toggles.panel);
  const words = announcement(page, view, before?.view);
  if (words) $('announce').textContent = words;
}

// A hidden panel leaves only the button that shows it again over the view.
function fold_panel(shown) {
  $('panel').classList.toggle('folded', !shown);
  $('panel-body').hidden = !shown;
  const button = $('collapse');
  button.setAttribute('aria-expanded', String(shown));
  button.textContent = shown ? 'hide' : 'panel';
}

// What a screen reader is told of a change of counter or deck.
function announcement(page, view, before) {
  const { facts } = page;
  const said = [];
  if (!before) return '';
  const counter = view.blocks_shown, deck = view.deck_shown;
  if (counter !== before.blocks_shown) {
    const block = page.blocks[counter - 1];
    said.push(counter === 0 ? 'no blocks'
            : block ? `block ${counter} of ${facts.block_count}: ${block_name(block)}, ` +
                      `deck ${block.deck_number} (index ${block.deck_index})`
            : `all ${facts.block_count} blocks`);
  }
  if (deck !== before.deck_shown)
    said.push(deck === facts.deck_count ? 'all decks shown'
            : `deck ${facts.deck_numbers[deck]} (index ${deck}) shown`);
  return said.join('; ');
}

// A block's name, or #N (its position) for a block that has only the
// model's made-up name.
export function block_name(block) {
  return block.name && !/^block_\d+$/.test(block.name) ? block.name : `#${block.position}`;
}

function describe(block, facts) {
  return `${block_name(block)} · ${block.routine} · deck index ${block.deck_index} ` +
         `(deck ${block.deck_number})`;
}

export function name_picked(block, facts) {
  $('picked').textContent = block
    ? `${block_name(block)} · deck index ${block.deck_index} (deck ${block.deck_number}) · position ${block.position}`
    : '';
}

export function say(words) {
  $('announce').textContent = words;
}
