// The page's controls: the construction slider and its buttons, the deck
// filter, the toggles, the viewer's keys, the heads-up line and the block
// under the pointer. Every change goes through set(), which keeps the
// counter and deck in range and redraws.
import { ALL_DECKS, PARTS, show, pick, reset_view } from './scene.js';

const $ = (id) => document.getElementById(id);

export function create_controls(view, ship) {
  const last = ship.blocks.length + 1;  // the viewer's block_total(): 139 blocks, counter 140
  const info = ship.info;
  const state = {
    counter: clamp(info.blocks_shown ?? last, 0, last),
    deck: clamp(info.deck_shown ?? ALL_DECKS, 0, ALL_DECKS),
    ceilings: true, hull: true, station: true, target: true,
  };
  const step_ms = (info.step_seconds || 0.25) * 1000;
  let player = null;

  function set(change) {
    Object.assign(state, change);
    state.counter = clamp(state.counter, 0, last);
    state.deck = clamp(state.deck, 0, ALL_DECKS);
    show(ship, state);
    view.render();
    $('counter').value = state.counter;
    $('deck').value = state.deck;
    $('hud').textContent = `dck ${state.deck} ${state.counter} blx`;
    for (const part of PARTS) $(`show-${part}`).checked = state[part];
    $('play').textContent = player ? 'pause' : 'play';
    controls.onchange(state);
  }

  function play(on) {
    clearInterval(player);
    player = null;
    if (on) {
      if (state.counter >= last) state.counter = 0;
      player = setInterval(() => {
        if (state.counter + 1 >= last) play(false);
        set({ counter: state.counter + 1 });
      }, step_ms);
    }
    set({});
  }

  const toggle = (part) => set({ [part]: !state[part] });
  // The viewer's commands and their keys; the buttons name them in
  // data-command.
  // name:     [key, what it does]
  const commands = {
    begin:    ['z', () => set({ counter: 0 })],
    back:     ['h', () => set({ counter: Math.max(state.counter - 1, 0) })],
    forward:  ['j', () => set({ counter: state.counter + 1 })],
    end:      ['a', () => set({ counter: last })],
    up:       ['u', () => set({ deck: state.deck < ALL_DECKS ? state.deck + 1 : 0 })],
    down:     ['n', () => set({ deck: state.deck === 0 ? ALL_DECKS : state.deck - 1 })],
    all:      ['l', () => set({ deck: ALL_DECKS })],
    ceilings: ['t', () => toggle('ceilings')],
    hull:     ['k', () => toggle('hull')],
    station:  ['f', () => toggle('station')],
    target:   ['x', () => toggle('target')],
    play:     [' ', () => play(!player)],
    reset:    ['v', () => reset_view(view)],
  };
  const command_of_key = Object.fromEntries(Object.values(commands));

  $('counter').max = last;
  $('counter').addEventListener('input', (e) => set({ counter: Number(e.target.value) }));
  const deck = $('deck');
  deck.add(new Option('all decks', ALL_DECKS));
  for (let d = 0; d < ALL_DECKS; d++) deck.add(new Option(`${d} (deck ${22 - d})`, d));
  deck.addEventListener('change', (e) => set({ deck: Number(e.target.value) }));
  for (const button of document.querySelectorAll('button[data-command]'))
    button.addEventListener('click', () => commands[button.dataset.command][1]());
  for (const part of PARTS) {
    $(`show-${part}`).parentElement.hidden = ship.parts[part].length === 0;
    $(`show-${part}`).addEventListener('change', (e) => set({ [part]: e.target.checked }));
  }

  window.addEventListener('keydown', (e) => {
    if (e.ctrlKey || e.altKey || e.metaKey) return;
    const command = command_of_key[e.key.toLowerCase()];
    if (!command) return;
    command();
    e.preventDefault();
  });

  let pointer = null;
  view.renderer.domElement.addEventListener('pointermove', (e) => {
    if (!pointer) requestAnimationFrame(() => { name_block(pick(view, pointer.x, pointer.y)); pointer = null; });
    pointer = { x: e.offsetX, y: e.offsetY };
  });

  const controls = { state, set, onchange: () => {} };
  return controls;
}

function name_block(block) {
  $('picked').textContent = block
    ? `${block.name} · deck index ${block.deck_index} (deck ${block.deck_number}) · position ${block.position}`
    : '';
}

function clamp(n, lo, hi) {
  return Math.min(Math.max(Math.trunc(n) || 0, lo), hi);
}
