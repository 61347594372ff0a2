// Starts the page: the view, the model, the state and its link, the
// controls, and a small hook through which a test (or a curious user, from
// the console) reads the page's state and drives it.
import { create_view, load_ship, draw, rules, pick, screen_point, distance_ahead } from './scene.js';
import { initial_state, changed, link_of, read_link } from './state.js';
import { start_up_view, reset_view, parse_key_script, run_key_script } from './viewer.js';
import { follow_drags } from './pointer.js';
import { create_controls, show_help, name_picked, say } from './controls.js';
import { model_glb } from './model_source.js';

const $ = (id) => document.getElementById(id);
const LOADING_PATIENCE_MS = 20000;

async function start() {
  const view = open_view();
  const ship = await read_model(view);
  const page = create_page(view, ship);
  page.set_link(location.hash);
  page.loaded_ms = Math.round(performance.now());
  window.addEventListener('hashchange', () => page.set_link(location.hash));
  follow_pointer(view, ship, page);
  hook(view, ship, page);
  $('status').textContent = `${ship.blocks.length} blocks`;
  document.body.dataset.loaded = 'true';
}

function open_view() {
  try {
    return create_view($('view'));
  } catch (error) {
    throw new Error('this browser cannot draw the ship: WebGL is turned off or not available here');
  }
}

// model_glb names what is wrong with the carried model itself; a glb that
// unpacks but does not parse is damaged too.
async function read_model(view) {
  const bytes = await model_glb();
  try {
    return await load_ship(view, bytes);
  } catch (error) {
    console.error(error);
    throw new Error("the ship's model is damaged");
  }
}

// The page's state and what acts on it: the commands call these.
function create_page(view, ship) {
  const facts = ship.facts;
  let state = { ...initial_state(facts), hull: false, target: false }, controls = null;
  let view_state = start_up_view(facts);
  const drawn = () => ({ ...view_state, blocks_shown: state.counter, deck_shown: state.deck,
                         show_ceilings: state.ceilings, show_hull: state.hull, show_station: state.station,
                         show_target: state.target, highlight: state.highlight, xray: state.xray });
  const page = {
    facts, blocks: ship.blocks, parts: ship.parts, loaded_ms: null,
    get state() { return state; },
    get view() { return drawn(); },
    set(change) {
      const before = state;
      state = changed(state, change, facts);
      draw(view, ship, drawn());
      controls.update(state, before);
      write_link();
    },
    set_view(change) {
      view_state = { ...view_state, ...change };
      page.set({});
    },
    camera: { reset: () => page.set_view(reset_view(view_state)), orbit: () => {}, pan: () => {}, zoom: () => {} },
    set_link(fragment) {
      const link = read_link(fragment, facts);
      const fields = new URLSearchParams(String(fragment).replace(/^#/, ''));
      if (fields.get('panel') === '0') toggle_panel();
      if (fields.has('keys')) {
        const v = run_key_script(drawn(), parse_key_script(fields.get('keys')), facts);
        view_state = v;
        Object.assign(link.change, { counter: v.blocks_shown, deck: v.deck_shown, ceilings: v.show_ceilings,
                                     hull: v.show_hull, station: v.show_station, target: v.show_target });
      }
      page.set(link.change);
    },
    copy_link: () => copy_link(write_link),
    toggle_panel,
    help: show_help,
  };
  const write_link = () => {
    const fragment = `#${link_of(state, [0, 0, 0, 1, 1, 1])}`;
    if (fragment !== location.hash) history.replaceState(null, '', fragment);
    return location.href;
  };
  Object.assign(page, player(page));
  controls = create_controls(page);
  follow_drags(view.renderer.domElement, () => drawn(), (change) => page.set_view(change),
               (v) => distance_ahead(ship, v));
  return page;
}

// Plays the construction from where it is (from no blocks when it is
// complete) at the model's pace, a block a step.
function player(page) {
  let timer = null;
  const playing = () => timer !== null;
  function play(on) {
    clearInterval(timer);
    timer = null;
    if (on) {
      if (page.state.counter >= page.facts.counter_max) page.set({ counter: 0 });
      timer = setInterval(() => {
        if (page.state.counter + 1 >= page.facts.counter_max) play(false);
        page.set({ counter: page.state.counter + 1 });
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

function toggle_panel() {
  const body = $('panel-body'), button = $('collapse');
  body.hidden = !body.hidden;
  button.setAttribute('aria-expanded', String(!body.hidden));
  button.textContent = body.hidden ? 'panel' : 'hide';
}

function follow_pointer(view, ship, page) {
  let pointer = null;
  view.renderer.domElement.addEventListener('pointermove', (e) => {
    if (!pointer) requestAnimationFrame(() => {
      name_picked(pick(view, ship, page.view, pointer.x, pointer.y), ship.facts);
      pointer = null;
    });
    pointer = { x: e.offsetX, y: e.offsetY };
  });
}

// window.tev: what the scene shows, read back from its rules, and the
// page's controls.
function hook(view, ship, page) {
  const state = () => {
    const rule = rules(ship, page.view);
    const shown = ship.units.filter(rule.shown);
    return {
      loaded: true,
      loaded_ms: page.loaded_ms,
      block_nodes: ship.blocks.length,
      ...page.view,
      ...page.state,
      hud: $('hud').textContent,
      visible: shown.filter((u) => u.kind === 'block').map((u) => u.block.position),
      tubes_shown: shown.some((u) => u.kind === 'upright_tubes'),
      newest: $('newest').textContent,
      link: location.hash,
    };
  };
  window.tev = {
    state,
    blocks: () => ship.blocks,
    set: (change) => { page.set(change); return state(); },
    set_view: (change) => { page.set_view(change); return page.view; },
    pick: (x, y) => pick(view, ship, page.view, x, y)?.name ?? null,
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
