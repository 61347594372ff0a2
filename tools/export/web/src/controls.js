// The page's panel and keys: the construction slider and its buttons, the
// deck filter, the toggles, the list of keys, the heads-up line, the newest
// block and the block under the pointer, and the announcements for screen
// readers. Every control runs a command of the command table (commands.js)
// or sets the state through page.set; update() shows a new state.
import { COMMANDS, command_named, command_of_key, key_label } from './commands.js';
import { TOGGLES } from './state.js';

const $ = (id) => document.getElementById(id);

export function create_controls(page) {
  bind_buttons(page);
  bind_inputs(page);
  bind_keys(page);
  fill_help();
  return { update: (state, before) => update(page, state, before) };
}

// The buttons name their command in data-command; their titles and
// shortcuts come from the table.
function bind_buttons(page) {
  for (const button of document.querySelectorAll('button[data-command]')) {
    const command = command_named(button.dataset.command);
    const keys = command.keys.map(key_label);
    button.title = keys.length ? `${command.what} (${keys.join(', ')})` : command.what;
    if (!button.hasAttribute('aria-label') && !/\w/.test(button.textContent)) button.setAttribute('aria-label', command.what);
    if (keys.length) button.setAttribute('aria-keyshortcuts', command.keys.map((k) => (k === ' ' ? 'Space' : k)).join(' '));
    button.addEventListener('click', () => command.action(page));
  }
}

function bind_inputs(page) {
  const { facts } = page;
  $('counter').max = facts.counter_max;
  $('counter').addEventListener('input', (e) => page.set({ counter: Number(e.target.value) }));
  const deck = $('deck');
  deck.add(new Option('all decks', facts.deck_count));
  for (let d = 0; d < facts.deck_count; d++)
    deck.add(new Option(`${d} (deck ${facts.top_deck_number - d})`, d));
  deck.addEventListener('change', (e) => page.set({ deck: Number(e.target.value) }));
  for (const name of TOGGLES) {
    const box = $(`show-${name}`);
    if (name in page.parts) box.parentElement.hidden = !page.parts[name];
    box.addEventListener('change', (e) => page.set({ [name]: e.target.checked }));
  }
}

// The table's keys, from anywhere on the page; the view's own (orbit, pan,
// zoom) only while it has the focus. A key that a focused control uses
// itself (Space on a button, arrows on the slider, letters in the deck
// list) stays with it.
function bind_keys(page) {
  const view = $('view');
  window.addEventListener('keydown', (e) => {
    const command = command_of_key(e);
    if (!command) return;
    if (command.view_only && document.activeElement !== view) return;
    if ($('help').open && command.name !== 'close') return;
    if (e.target.closest?.('button, select, input') && [' ', 'Enter'].includes(e.key)) return;
    if (e.target.closest?.('select') && command.name !== 'close') return;  // its letters pick options
    command.action(page);
    e.preventDefault();
  });
}

// The list of keys, made from the command table.
function fill_help() {
  const list = $('help-keys');
  for (const command of COMMANDS) {
    const row = list.insertRow();
    const keys = command.keys.map(key_label).join(', ');
    row.insertCell().textContent = keys || '(button)';
    row.insertCell().textContent = command.what + (command.view_only ? ' (with the view focused)' : '');
  }
}

export function show_help(open) {
  const help = $('help');
  if (open && !help.open) help.showModal();
  if (!open && help.open) help.close();
}

function update(page, state, before) {
  const { facts } = page;
  $('counter').value = state.counter;
  $('deck').value = state.deck;
  $('hud').textContent = `dck ${state.deck} ${state.counter} blx`;
  for (const name of TOGGLES) $(`show-${name}`).checked = state[name];
  $('play').textContent = page.playing() ? 'pause' : 'play';
  const newest = page.blocks[state.counter - 1];
  $('newest').textContent = newest ? `newest: ${describe(newest, facts)}` : '';
  const words = announcement(page, state, before);
  if (words) $('announce').textContent = words;
}

// What a screen reader is told of a change of counter or deck.
function announcement(page, state, before) {
  const { facts } = page;
  const said = [];
  if (!before) return '';
  if (state.counter !== before.counter) {
    const block = page.blocks[state.counter - 1];
    said.push(state.counter === 0 ? 'no blocks'
            : block ? `block ${state.counter} of ${facts.block_count}: ${block_name(block)}, ` +
                      `deck ${facts.top_deck_number - block.deck_index} (index ${block.deck_index})`
            : `all ${facts.block_count} blocks`);
  }
  if (state.deck !== before.deck)
    said.push(state.deck === facts.deck_count ? 'all decks shown'
            : `deck ${facts.top_deck_number - state.deck} (index ${state.deck}) shown`);
  return said.join('; ');
}

// A block's name, or #N (its position) for a block that has only the
// model's made-up name.
export function block_name(block) {
  return block.name && !/^block_\d+$/.test(block.name) ? block.name : `#${block.position}`;
}

function describe(block, facts) {
  return `${block_name(block)} · ${block.routine} · deck index ${block.deck_index} ` +
         `(deck ${facts.top_deck_number - block.deck_index})`;
}

export function name_picked(block, facts) {
  $('picked').textContent = block
    ? `${block_name(block)} · deck index ${block.deck_index} (deck ${facts.top_deck_number - block.deck_index}) · position ${block.position}`
    : '';
}

export function say(words) {
  $('announce').textContent = words;
}
