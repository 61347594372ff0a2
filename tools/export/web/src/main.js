// Starts the page: the view, the viewer (tev's own code) and the ship it
// records, the state and its link, the controls, and a small hook through
// which a test (or a curious user, from the console) reads the page's state
// and drives it.
import { create_view, load_ship, draw, rules, pick, screen_point, distance_ahead } from './scene.js';
import { initial_view, initial_toggles } from './state.js';
import { open_viewer } from './viewer.js';
import { command_table } from './commands.js';
import { follow_drags } from './pointer.js';
import { create_controls, show_help, name_picked, say } from './controls.js';

const $ = (id) => document.getElementById(id);
const LOADING_PATIENCE_MS = 20000;

async function start() {
  const view = open_view();
  const viewer = await open_viewer(favourite_store());
  const ship = load_ship(view, viewer);
  const page = create_page(view, ship);
  $('status').textContent = `${ship.blocks.length} blocks`;
  page.set_link(location.hash);
  page.loaded_ms = Math.round(performance.now());
  window.addEventListener('hashchange', () => page.set_link(location.hash));
  follow_pointer(view, ship, page);
  hook(view, ship, page);
  document.body.dataset.loaded = 'true';
}

function open_view() {
  try {
    return create_view($('view'));
  } catch (error) {
    throw new Error('this browser cannot draw the ship: WebGL is turned off or not available here');
  }
}

// The page's state, { view (tev's view state), toggles }, and what acts on
// it: the commands call these.
function create_page(view3d, ship) {
  const { facts, viewer } = ship;
  let state = { view: initial_view(viewer), toggles: initial_toggles() }, controls = null;
  const page = {
    facts, blocks: ship.blocks, loaded_ms: null, commands: command_table(viewer.commands),
    get state() { return state; },
    // change: { view: some fields of the view state, toggles: some toggles }
    set(change) {
      const before = state;
      if (change.view) viewer.set_view(change.view);
      state = { view: viewer.view(), toggles: { ...state.toggles, ...change.toggles } };
      draw(view3d, ship, drawn(state));
      controls.update(state, before, rules(ship, drawn(state)).frame.heads_up);
      link.write();
    },
    key: (key) => { viewer.key(key); page.set({}); },
    // What tev prints (it could not save the favourite view) goes to the status line.
    special(code, shift) {
      const said = viewer.special(code, shift).trim();
      page.set({});
      if (said) say_status(said);
    },
    toggle: (name) => page.set({ toggles: { [name]: !state.toggles[name] } }),
    // A link's fields, then its key script typed on top of them.
    set_link(fragment) {
      const asked = viewer.read_link(fragment, state.toggles);
      if (asked.refused) say_status(`keys= ignored: ${asked.refused}`);
      page.set({ toggles: asked.toggles });
    },
    copy_link: () => copy_link(link.write_now),
    help: show_help,
  };
  const link = keep_link(() => viewer.link(state.toggles));
  Object.assign(page, player(page));
  controls = create_controls(page);
  follow_drags(view3d.renderer.domElement, () => state.view, (change) => page.set({ view: change }),
               (v) => distance_ahead(ship, v));
  return page;
}

// What the frame draws: the view state and the page's toggles, in one.
const drawn = (state) => ({ ...state.view, ...state.toggles });

// The address follows the state, at most a few times a second: a held key
// would otherwise rewrite it faster than the browser allows.
function keep_link(fragment_of) {
  let timer = null, last = 0;
  const write_now = () => {
    clearTimeout(timer);
    timer = null;
    last = performance.now();
    const fragment = fragment_of();
    if (fragment !== location.hash) history.replaceState(null, '', fragment);
    return location.href;
  };
  const write = () => {
    if (timer === null) timer = setTimeout(write_now, Math.max(0, last + 250 - performance.now()));
  };
  return { write, write_now };
}

// F6 and F5 keep one view per page in the browser's storage, as tev keeps
// favview.sav: the same nine lines.
function favourite_store() {
  const key = `tev favourite view ${location.pathname}`;
  return {
    read: () => { try { return localStorage.getItem(key); } catch { return null; } },
    write: (text) => { try { localStorage.setItem(key, text); } catch { say_status('the browser keeps no favourite view here'); } },
  };
}

const say_status = (words) => { $('status').textContent = words; say(words); };

// Plays the construction from where it is (from no blocks when it is
// complete) at the model's pace, a block a step.
function player(page) {
  let timer = null;
  const playing = () => timer !== null;
  const counter = () => page.state.view.blocks_shown;
  const set_counter = (n) => page.set({ view: { blocks_shown: n } });
  function play(on) {
    clearInterval(timer);
    timer = null;
    if (on) {
      if (counter() >= page.facts.counter_max) set_counter(0);
      timer = setInterval(() => {
        if (counter() + 1 >= page.facts.counter_max) play(false);
        set_counter(Math.min(counter() + 1, page.facts.counter_max));
      }, (page.facts.step_seconds || 0.25) * 1000);
    }
    page.set({});
  }
  return { play, playing };
}

async function copy_link(write_link) {
  const link = write_link();
  try {
    await navigator.clipboard.writeText(link);
    $('status').textContent = 'link copied';
  } catch {
    $('status').textContent = `copy this link: ${link}`;
  }
  say($('status').textContent);
}

function follow_pointer(view, ship, page) {
  let pointer = null;
  view.renderer.domElement.addEventListener('pointermove', (e) => {
    if (!pointer) requestAnimationFrame(() => {
      name_picked(pick(view, ship, drawn(page.state), pointer.x, pointer.y), ship.facts);
      pointer = null;
    });
    pointer = { x: e.clientX, y: e.clientY };
  });
}

// window.tev: what the scene shows, read back from its rules, and the
// page's controls.
function hook(view, ship, page) {
  const is_view_field = new Set(ship.viewer.fields.map((f) => f.name));
  const state = () => {
    const { view: v, toggles } = page.state;
    const rule = rules(ship, drawn(page.state));
    const blocks_in = (wanted) => ship.units.filter((u) => u.kind === 'block' && wanted(u)).map((u) => u.block.position);
    return {
      loaded: true,
      loaded_ms: page.loaded_ms,
      block_nodes: ship.blocks.length,
      view: { ...v },
      ...toggles,
      hud: $('hud').textContent,
      visible: blocks_in(rule.shown),
      marked: blocks_in(rule.newest),
      tubes_shown: ship.units.some((u) => u.kind === 'upright_tubes' && rule.shown(u)),
      newest: $('newest').textContent,
      status: $('status').textContent,
      link: location.hash,
    };
  };
  // set({ blocks_shown: 21, xray: true, ... }): view state fields and toggles.
  const set = (change) => {
    const split = { view: {}, toggles: {} };
    for (const [name, value] of Object.entries(change)) split[is_view_field.has(name) ? 'view' : 'toggles'][name] = value;
    page.set(split);
    return state();
  };
  window.tev = {
    state,
    blocks: () => ship.blocks,
    set,
    // A link's fragment, read as the page reads its address.
    link: (fragment) => { page.set_link(fragment); return state(); },
    // The pop-up menu's entry of a value, as tev's menu chooses it.
    menu: (value) => { ship.viewer.menu(value); page.set({}); return state(); },
    // favview.sav's text for the view, as tev writes it.
    favourite_text: () => ship.viewer.favourite_text(),
    pick: (x, y) => pick(view, ship, drawn(page.state), x, y)?.name ?? null,
    screen_point: (name) => screen_point(view, ship, name),
  };
}

const patience = setTimeout(() => {
  if (!document.body.dataset.loaded)
    $('status').textContent = 'the ship has still not appeared; this browser may not be able to show it';
}, LOADING_PATIENCE_MS);

start().catch((error) => {
  clearTimeout(patience);
  $('status').textContent = `Sorry: ${error.message || error}.`;
  document.body.dataset.loaded = 'failed';
}).then(() => clearTimeout(patience));
