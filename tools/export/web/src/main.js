// Starts the page: the view, the viewer (tev's own code) and the ship it
// records, the state and its link, the controls, and a small hook through
// which a test (or a curious user, from the console) reads the page's state
// and drives it.
import { create_view, load_ship, draw, rules, pick_point, screen_of, screen_point, distance_ahead } from './scene.js';
import { initial_view, initial_toggles } from './state.js';
import { open_viewer } from './viewer.js';
import { command_table } from './commands.js';
import { follow_drags } from './pointer.js';
import { create_controls, show_help, name_picked, say } from './controls.js';
import { create_cut, kept_by, extent_of, bind_section_controls } from './section.js';
import { bind_find } from './find.js';
import { create_measure } from './measure.js';

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
  // The event's own address: the page may have rewritten it since.
  window.addEventListener('hashchange', (e) => page.set_link(new URL(e.newURL).hash));
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

// The page's state, { view (tev's view state), toggles, section (or
// null) }, and what acts on it: the commands call these.
function create_page(view3d, ship) {
  const { facts, viewer } = ship;
  let state = { view: initial_view(viewer), toggles: initial_toggles(), section: null }, controls = null;
  const cut = create_cut(view3d, ship);
  const page = {
    facts, blocks: ship.blocks, loaded_ms: null, commands: command_table(viewer.commands),
    get state() { return state; },
    // change: { view: some fields of the view state, toggles: some toggles,
    // section: a section or null }
    set(change) {
      const before = state;
      if (change.view) viewer.set_view(change.view);
      state = { view: viewer.view(), toggles: { ...state.toggles, ...change.toggles },
                section: change.section === undefined ? state.section : change.section };
      cut(state.section, state.view.show_station);
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
      const asked = viewer.read_link(fragment, state.toggles, state.section);
      if (asked.refused) say_status(`keys= ignored: ${asked.refused}`);
      page.set({ toggles: asked.toggles, section: asked.section });
    },
    copy_link: () => copy_link(link.write_now),
    help: show_help,
  };
  const link = keep_link(() => viewer.link(state.toggles, state.section));
  Object.assign(page, player(page), finding_and_measuring(view3d, ship, page));
  controls = with_section_and_figure(create_controls(page), page, ship);
  follow_drags(view3d.renderer.domElement, () => state.view, (change) => page.set({ view: change }),
               (v) => distance_ahead(ship, v));
  return page;
}

// What the frame draws: the view state and the page's toggles, in one.
const drawn = (state) => ({ ...state.view, ...state.toggles });
// What it draws at a window point: { unit, point }, or null. What the
// section cuts away is not drawn.
const drawn_at = (view3d, ship, state, x, y) => pick_point(view3d, ship, drawn(state), x, y, kept_by(state.section));

// The panel's section controls follow the state with the rest of the
// panel, and the measured line's label follows the frame.
function with_section_and_figure(controls, page, ship) {
  const show = bind_section_controls(page, extent_of(ship));
  return { update: (state, before, heads_up) => {
    controls.update(state, before, heads_up);
    show(state.section);
    page.measured();
  } };
}

// Find a block, and measure: the page's find(), measure(on), measuring(),
// pick_middle() and measured() (which follows a new frame).
function finding_and_measuring(view3d, ship, page) {
  const picked = (x, y) => drawn_at(view3d, ship, page.state, x, y);
  const m = create_measure(view3d.renderer.domElement, picked, (point) => screen_of(view3d, point), say);
  return { find: bind_find(page, say), measure: m.measure, measuring: m.measuring, pick_middle: m.pick_middle,
           measured: m.update };
}

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
      name_picked(drawn_at(view, ship, page.state, pointer.x, pointer.y)?.unit.block, ship.facts);
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
      section: page.state.section,
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
    pick: (x, y) => drawn_at(view, ship, page.state, x, y)?.unit.block?.name ?? null,
    // A link's fragment, read as the page reads its address.
    link: (fragment) => { page.set_link(fragment); return state(); },
    // The pop-up menu's entry of a value, as tev's menu chooses it.
    menu: (value) => { ship.viewer.menu(value); page.set({}); return state(); },
    // favview.sav's text for the view, as tev writes it.
    favourite_text: () => ship.viewer.favourite_text(),
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
