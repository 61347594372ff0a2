// The ship's scene: reading the exported model, drawing it unlit on black in
// a few draw calls, showing and hiding its parts from the page's state, and
// naming the block under a point of the canvas.
import * as THREE from 'three';
import { GLTFLoader } from 'three/examples/jsm/loaders/GLTFLoader.js';
import { OrbitControls } from 'three/examples/jsm/controls/OrbitControls.js';
import { merge_model, fill, nearest_unit } from './batch.js';

// The model's optional parts, by the kind its nodes carry in their extras.
export const PARTS = ['ceilings', 'hull', 'station', 'target'];
const part_of_kind = { ceiling: 'ceilings', hull: 'hull', station: 'station', target: 'target' };

// The newest block's mark: a colour no palette colour is near, drawn over
// everything, so that it shows where the block is even when it is hidden.
const HIGHLIGHT = new THREE.Color(0.5, 1, 0);

export function create_view(container) {
  // Throws where the browser has no WebGL; the page says so.
  const renderer = new THREE.WebGLRenderer({ antialias: false, preserveDrawingBuffer: true });
  // The palette's values go to the screen as they are, as the viewer's
  // glColor does; the default sRGB encoding would brighten them.
  renderer.outputColorSpace = THREE.LinearSRGBColorSpace;
  renderer.setPixelRatio(window.devicePixelRatio);
  renderer.setClearColor(0x000000, 1);
  container.appendChild(renderer.domElement);

  const scene = new THREE.Scene();
  const camera = new THREE.PerspectiveCamera(45, 1, 0.1, 1000);
  const controls = new OrbitControls(camera, renderer.domElement);
  const view = { renderer, scene, camera, controls, home: null };
  view.render = () => renderer.render(scene, camera);
  controls.addEventListener('change', view.render);
  // Until the user moves the camera, the view keeps the whole ship in the
  // frame as the page's layout settles or the window changes shape.
  controls.addEventListener('start', () => { view.at_home = false; });

  const resize = () => {
    const { clientWidth: w, clientHeight: h } = container;
    renderer.setSize(w, h);
    camera.aspect = w / Math.max(h, 1);
    camera.updateProjectionMatrix();
    if (view.at_home) reset_view(view);
    view.render();
  };
  new ResizeObserver(resize).observe(container);
  resize();
  return view;
}

// Reads the model (the bytes of a .glb) and merges its parts for drawing.
// ship.facts are the ship's numbers from the root's extras; ship.blocks the
// blocks' extras in construction order.
export async function load_ship(view, bytes) {
  const gltf = await new GLTFLoader().parseAsync(bytes, '');
  let root = null;
  gltf.scene.traverse((node) => { if (node.userData.kind === 'ship') root = root ?? node; });
  if (!root) throw new Error('the model has no ship node');
  // The construction animation's scale keys are for other glTF viewers; the
  // page shows and hides the parts itself.
  gltf.scene.traverse((node) => {
    if (['block', 'upright_tubes'].includes(node.userData.kind)) node.scale.set(1, 1, 1);
  });
  const { units, tris, lines } = merge_model(gltf.scene);
  const blocks = units.filter((u) => u.kind === 'block').map((u) => u.block)
    .sort((a, b) => a.position - b.position);
  const ship = { facts: root.userData, blocks, units, merged: [tris, lines], parts: {} };
  for (const part of PARTS) ship.parts[part] = units.some((u) => part_of_kind[u.kind] === part);
  add_layers(view, ship);

  const box = new THREE.Box3();
  for (const unit of units) if (unit.block) box.union(unit.box);
  view.home = box.getBoundingSphere(new THREE.Sphere());
  reset_view(view);
  return ship;
}

// The layers drawn: the shown parts; the other decks, faint (x-ray); the
// newest block's mark over everything.
function add_layers(view, ship) {
  const [tris, lines] = ship.merged;
  const layer = (material, order) => ({ 3: tris.layer(material, order), 2: lines.layer(material.line, order) });
  const basic = (options) => Object.assign(
    new THREE.MeshBasicMaterial({ side: THREE.DoubleSide, ...options }),
    { line: new THREE.LineBasicMaterial(options) });
  ship.layers = {
    shown: layer(basic({ vertexColors: true }), 0),
    faint: layer(basic({ vertexColors: true, transparent: true, opacity: 0.12, depthWrite: false }), 1),
    newest: layer(basic({ color: HIGHLIGHT, transparent: true, opacity: 0.6, depthTest: false,
                          depthWrite: false }), 2),
  };
  for (const l of Object.values(ship.layers)) view.scene.add(l[3], l[2]);
}

// Looks at the whole ship from above, ahead and to one side, from where it
// fits in the narrower of the view's two fields of view.
export function reset_view(view) {
  const { camera, controls, home } = view;
  const half_vertical = THREE.MathUtils.degToRad(camera.fov / 2);
  const half_horizontal = Math.atan(Math.tan(half_vertical) * camera.aspect);
  const distance = home.radius / Math.sin(Math.min(half_vertical, half_horizontal)) * 1.05;
  const direction = new THREE.Vector3(0.55, 0.75, 0.65).normalize();
  camera.near = home.radius / 100;
  camera.far = home.radius * 100;
  camera.updateProjectionMatrix();
  camera.position.copy(home.center).addScaledVector(direction, distance);
  controls.target.copy(home.center);
  controls.update();
  view.at_home = true;
}

// The camera as six numbers: position, then the point it looks at.
export function camera_of(view) {
  return [...view.camera.position.toArray(), ...view.controls.target.toArray()];
}

export function set_camera(view, [px, py, pz, tx, ty, tz], at_home = false) {
  view.camera.position.set(px, py, pz);
  view.controls.target.set(tx, ty, tz);
  view.controls.update();
  view.at_home = at_home;
}

// What the state shows, unit by unit. A block p is shown while p < counter,
// on the shown deck or on all; its ceiling with it while ceilings are on;
// the upright tubes while the counter is at most the facts' last step with
// them. The x-ray shows the other decks' built blocks; the newest block is
// block counter - 1.
export function rules(ship, state) {
  const { deck_count, last_step_with_upright_tubes } = ship.facts;
  const built = (b) => b.position < state.counter;
  const on_deck = (b) => state.deck === deck_count || b.deck_index === state.deck;
  const part_on = (u) => u.kind === 'block' || state[part_of_kind[u.kind]];
  const shown = (u) => u.block ? built(u.block) && on_deck(u.block) && part_on(u)
                     : u.kind === 'upright_tubes' ? state.counter <= last_step_with_upright_tubes
                     : state[part_of_kind[u.kind]];
  const faint = (u) => state.xray && u.block && built(u.block) && !on_deck(u.block) && part_on(u);
  const newest_block = state.highlight && shown_newest(ship, state);
  const newest = (u) => u.kind === 'block' && u.block === newest_block;
  return { shown, faint, newest };
}

// The newest block, counter - 1, when it is built and on a shown deck.
export function shown_newest(ship, state) {
  const block = ship.blocks[state.counter - 1];
  if (!block) return null;
  return state.deck === ship.facts.deck_count || block.deck_index === state.deck ? block : null;
}

// Brings the layers up to the state and draws a frame.
export function draw(view, ship, state) {
  const rule = rules(ship, state);
  for (const name of ['shown', 'faint', 'newest']) {
    const key = ship.units.map((u) => rule[name](u) ? 1 : 0).join('');
    if (ship.layers[name].key === key) continue;
    ship.layers[name].key = key;
    fill(ship.layers[name], ship.merged, ship.units, rule[name]);
  }
  view.render();
}

// The block drawn nearest the eye at canvas point (x, y), in CSS pixels;
// null where no block is (or the hull, say, is in front).
export function pick(view, ship, state, x, y) {
  const canvas = view.renderer.domElement;
  const ndc = new THREE.Vector2((x / canvas.clientWidth) * 2 - 1, 1 - (y / canvas.clientHeight) * 2);
  const raycaster = new THREE.Raycaster();
  raycaster.setFromCamera(ndc, view.camera);
  const unit = nearest_unit(raycaster.ray, ship.merged[0], ship.units, rules(ship, state).shown);
  return unit?.block ?? null;
}

// Where the centre of a block's box lies on the canvas, in CSS pixels.
export function screen_point(view, ship, name) {
  const unit = ship.units.find((u) => u.kind === 'block' && u.block.name === name);
  if (!unit) return null;
  const canvas = view.renderer.domElement;
  const p = unit.box.getCenter(new THREE.Vector3()).project(view.camera);
  return { x: (p.x + 1) / 2 * canvas.clientWidth, y: (1 - p.y) / 2 * canvas.clientHeight };
}
