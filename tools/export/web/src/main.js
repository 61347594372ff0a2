// Starts the page: the view, the model, the controls, and a small hook
// through which a test (or a curious user, from the console) reads the
// page's state and drives it.
import { create_view, load_ship, pick, screen_point } from './scene.js';
import { create_controls } from './controls.js';
import { model_glb } from './model_source.js';

const status = document.getElementById('status');
const report = document.getElementById('tev-state');

async function start() {
  const view = create_view(document.getElementById('view'));
  const ship = await load_ship(view, await model_glb());
  const controls = create_controls(view, ship);
  let loaded_ms = null;  // from navigation to the first frame of the model

  // What the scene shows, read back from the scene graph itself.
  const state = () => ({
    loaded: true,
    loaded_ms,
    block_nodes: ship.blocks.length,
    ...controls.state,
    hud: document.getElementById('hud').textContent,
    visible: ship.blocks.filter((b) => b.visible).map((b) => b.userData.position),
    tubes_shown: ship.tubes.some((t) => t.visible),
  });
  controls.set({});
  loaded_ms = Math.round(performance.now());
  controls.onchange = () => { report.textContent = JSON.stringify(state()); };
  controls.onchange();
  status.textContent = `${ship.blocks.length} blocks`;

  const block_named = (name) => ship.blocks.find((b) => b.userData.name === name);
  window.tev = {
    state,
    blocks: () => ship.blocks.map((b) => b.userData),
    set: (change) => { controls.set(change); return state(); },
    pick: (x, y) => pick(view, x, y)?.name ?? null,
    screen_point: (name) => screen_point(view, block_named(name)),
  };
  document.body.dataset.loaded = 'true';
}

start().catch((error) => {
  status.textContent = `could not show the ship: ${error.message || error}`;
  document.body.dataset.loaded = 'failed';
});
