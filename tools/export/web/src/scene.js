// The frame, as tev draws it, from a view state with tev's field names and
// the page's two toggles (highlight, xray): the projection and camera, the
// Earth with the ship lifted into orbit beside it, the landing target in
// wide lines, the ship and station in a few draw calls, and in overhead the
// two heads-up lines. Colours go to the screen as the model gives them: no
// lighting, tone mapping, colour conversion or antialiasing. Also: naming
// the block under a point of the canvas, and where a block lies on it.
import * as THREE from 'three';
import { GLTFLoader } from 'three/examples/jsm/loaders/GLTFLoader.js';
import { merge_model, fill, nearest_hit } from './batch.js';
import { frame_matrices } from './frame.js';
import { create_earth } from './earth.js';
import { create_heads_up } from './heads_up.js';
import { create_wide_lines } from './wide_lines.js';

// The model's optional parts, by the kind its nodes carry in their extras,
// and the view state's switch of each.
const SWITCH_OF_KIND = { ceiling: 'show_ceilings', hull: 'show_hull', station: 'show_station', target: 'show_target' };

// The newest block's mark: a colour no palette colour is near, drawn over
// everything, so that it shows where the block is even when it is hidden.
const HIGHLIGHT = new THREE.Color(0.5, 1, 0);

export function create_view(container) {
  // Throws where the browser has no WebGL; the page says so.
  const renderer = new THREE.WebGLRenderer({ antialias: false, preserveDrawingBuffer: true });
  renderer.outputColorSpace = THREE.LinearSRGBColorSpace;
  renderer.setPixelRatio(window.devicePixelRatio);
  renderer.setClearColor(0x000000, 1);
  container.appendChild(renderer.domElement);

  const scene = new THREE.Scene();
  scene.matrixWorldAutoUpdate = false;
  // The matrices are tev's, set each frame; three.js's camera only carries them.
  const camera = new THREE.Camera();
  camera.matrixWorldAutoUpdate = false;
  const ship_frame = new THREE.Group(), earth_frame = new THREE.Group();
  scene.add(earth_frame, ship_frame);
  const view = { renderer, scene, camera, ship_frame, earth_frame, drawn: null, ship: null };
  view.render = () => renderer.render(scene, camera);

  new ResizeObserver(() => {
    renderer.setSize(container.clientWidth, container.clientHeight);
    if (view.drawn) draw(view, view.ship, view.drawn);
  }).observe(container);
  renderer.setSize(container.clientWidth, container.clientHeight);
  return view;
}

// Reads the model (the bytes of a .glb) and merges its parts for drawing.
// ship.facts are the root's extras; ship.blocks the blocks' extras in
// construction order; ship.palette the model's colours by name.
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
  const palette = Object.fromEntries((gltf.parser.json.materials ?? []).map((m) =>
    [m.name, m.pbrMetallicRoughness?.baseColorFactor?.slice(0, 3)]));
  // glTF's y is up; the frame's matrices are in the ship's own frame, z up:
  // ship (x, y, z) = glTF (X, -Z, Y).
  gltf.scene.matrixAutoUpdate = false;
  gltf.scene.matrix.set(1, 0, 0, 0, 0, 0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1);
  const { units, tris, lines } = merge_model(gltf.scene);
  const blocks = units.filter((u) => u.kind === 'block').map((u) => u.block)
    .sort((a, b) => a.position - b.position);
  const ship = { facts: root.userData, blocks, units, merged: [tris, lines], palette, parts: {} };
  for (const kind of Object.keys(SWITCH_OF_KIND)) ship.parts[kind] = units.some((u) => u.kind === kind);
  add_layers(view, ship);
  ship.centre = units.filter((u) => u.block).reduce((box, u) => box.union(u.box), new THREE.Box3())
    .getCenter(new THREE.Vector3());
  view.ship = ship;
  return ship;
}

const colour_named = (ship, name, fallback) => ship.palette[name] ?? fallback;

// Earth, target, ship and station, in tev's order: the ship's layers are
// the shown parts, the other decks faint (x-ray) and the newest block's
// mark over everything; then the heads-up lines.
function add_layers(view, ship) {
  const [tris, lines] = ship.merged;
  const layer = (material, order) => ({ 3: tris.layer(material, order), 2: lines.layer(material.line, order) });
  // Of two surfaces at one depth the first drawn stays, as with tev's depth test.
  const basic = (options) => Object.assign(
    new THREE.MeshBasicMaterial({ side: THREE.DoubleSide, depthFunc: THREE.LessDepth, ...options }),
    { line: new THREE.LineBasicMaterial({ depthFunc: THREE.LessDepth, ...options }) });
  ship.layers = {
    shown: layer(basic({ vertexColors: true }), 0),
    faint: layer(basic({ vertexColors: true, transparent: true, opacity: 0.12, depthWrite: false }), 1),
    newest: layer(basic({ color: HIGHLIGHT, transparent: true, opacity: 0.6, depthTest: false,
                          depthWrite: false }), 2),
  };
  const target = ship.units.filter((u) => u.kind === 'target');
  ship.target = create_wide_lines(lines, target);
  for (const l of Object.values(ship.layers)) view.ship_frame.add(l[3], l[2]);
  view.ship_frame.add(ship.target);
  ship.earth = create_earth(new THREE.Color(...colour_named(ship, 'light_blue', [0.4, 0.4, 1])));
  view.earth_frame.add(ship.earth);
  ship.heads_up = create_heads_up([colour_named(ship, 'pink', [1, 0.4, 0.4]),
                                   colour_named(ship, 'light_green', [0.4, 1, 0.4])]);
  view.scene.add(ship.heads_up);
}

// What the view shows, unit by unit. A block p is shown while p <
// blocks_shown, on the shown deck or on all; its ceiling with it while
// ceilings are on; the upright tubes while the counter is at most the
// facts' last step with them; the hull and station by their switches. The
// target is drawn apart, in wide lines. The x-ray shows the other decks'
// built blocks; the newest block is block blocks_shown - 1.
export function rules(ship, view) {
  const { deck_count, last_step_with_upright_tubes } = ship.facts;
  const built = (b) => b.position < view.blocks_shown;
  const on_deck = (b) => view.deck_shown === deck_count || b.deck_index === view.deck_shown;
  const part_on = (u) => u.kind === 'block' || Boolean(view[SWITCH_OF_KIND[u.kind]]);
  const shown = (u) => u.block ? built(u.block) && on_deck(u.block) && part_on(u)
                     : u.kind === 'upright_tubes' ? view.blocks_shown <= last_step_with_upright_tubes
                     : u.kind !== 'target' && part_on(u);
  const faint = (u) => Boolean(view.xray) && u.block && built(u.block) && !on_deck(u.block) && part_on(u);
  const newest_block = view.highlight && shown_newest(ship, view);
  const newest = (u) => u.kind === 'block' && u.block === newest_block;
  return { shown, faint, newest };
}

// The newest block, blocks_shown - 1, when it is built and on a shown deck.
export function shown_newest(ship, view) {
  const block = ship.blocks[view.blocks_shown - 1];
  if (!block) return null;
  return view.deck_shown === ship.facts.deck_count || block.deck_index === view.deck_shown ? block : null;
}

// The drawing buffer's size in pixels, and the heads-up font's scale: a
// whole number of pixels a font pixel, so that the lines keep to tev's
// square as its 640 pixels grow (a screen of two pixels a point shows them
// at twice the size; a square under 640 keeps them at one, as tev would).
function buffer_of(view) {
  const size = view.renderer.getDrawingBufferSize(new THREE.Vector2());
  return { width: size.x, height: size.y, scale: Math.max(1, Math.round(Math.min(size.x, size.y) / 640)) };
}

// Brings the layers and the camera up to the view and draws a frame.
export function draw(view, ship, state) {
  view.drawn = state;
  const rule = rules(ship, state);
  for (const name of ['shown', 'faint', 'newest']) {
    const key = ship.units.map((u) => rule[name](u) ? 1 : 0).join('');
    if (ship.layers[name].key === key) continue;
    ship.layers[name].key = key;
    fill(ship.layers[name], ship.merged, ship.units, rule[name]);
  }
  const { width, height, scale } = buffer_of(view);
  const frame = frame_matrices(state, width, height);
  place_camera(view, ship, frame, state);
  ship.target.visible = Boolean(state.show_target) && ship.target.count > 0;
  ship.target.material.uniforms.buffer_size.value.set(width, height);
  ship.heads_up.show(state, width, height, scale);
  view.render();
}

function place_camera(view, ship, frame, state) {
  const { camera, ship_frame, earth_frame } = view;
  camera.projectionMatrix.fromArray(frame.projection);
  camera.projectionMatrixInverse.copy(camera.projectionMatrix).invert();
  set_matrix(ship_frame, frame.ship_view);
  set_matrix(earth_frame, frame.earth_view);
  earth_frame.visible = Boolean(state.show_earth);
  if (earth_frame.visible)
    ship.earth.place(frame.eye, new THREE.Matrix4().fromArray(frame.projection)
      .multiply(new THREE.Matrix4().fromArray(frame.earth_view)));
  view.frame = frame;
}

function set_matrix(group, array) {
  group.matrix.fromArray(array);
  group.matrixWorld.copy(group.matrix);
  for (const child of group.children) child.matrixWorld.copy(group.matrix);
}

// The ray through window point (x, y), in CSS pixels, in the ship's frame,
// from the near plane; its reach is how far it goes to the far plane.
function ray_at(view, x, y) {
  const canvas = view.renderer.domElement.getBoundingClientRect();
  const to_ship = new THREE.Matrix4().fromArray(view.frame.projection)
    .multiply(new THREE.Matrix4().fromArray(view.frame.ship_view)).invert();
  const ndc_x = ((x - canvas.left) / canvas.width) * 2 - 1, ndc_y = 1 - ((y - canvas.top) / canvas.height) * 2;
  const near = new THREE.Vector3(ndc_x, ndc_y, -1).applyMatrix4(to_ship);
  const far = new THREE.Vector3(ndc_x, ndc_y, 1).applyMatrix4(to_ship);
  return Object.assign(new THREE.Ray(near, far.clone().sub(near).normalize()), { reach: far.distanceTo(near) });
}

// The point drawn nearest the eye at window point (x, y) (a pointer
// event's clientX, clientY), in the ship's frame, and its unit: { unit,
// point }, or null where nothing is drawn. Only what is shown counts, and
// of that what lies between the near and far planes and what kept(unit,
// point) keeps (a section leaves out what it cuts): the faint decks of the
// x-ray are never picked.
export function pick_point(view, ship, state, x, y, kept = () => true) {
  if (!view.frame) return null;
  const ray = ray_at(view, x, y);
  const drawn = (unit, point) => point.distanceTo(ray.origin) <= ray.reach && kept(unit, point);
  return nearest_hit(ray, ship.merged[0], ship.units, rules(ship, state).shown, drawn);
}

// Where a point of the ship's frame lies in the window, in CSS pixels;
// null for a point behind the eye.
export function screen_of(view, point) {
  const canvas = view.renderer.domElement.getBoundingClientRect();
  const to_clip = new THREE.Matrix4().fromArray(view.frame.projection)
    .multiply(new THREE.Matrix4().fromArray(view.frame.ship_view));
  const p = new THREE.Vector4(point.x, point.y, point.z, 1).applyMatrix4(to_clip);
  if (p.w <= 0) return null;
  return { x: canvas.left + (p.x / p.w + 1) / 2 * canvas.width, y: canvas.top + (1 - p.y / p.w) / 2 * canvas.height };
}

// Where the centre of a block's box lies in the window, in CSS pixels.
export function screen_point(view, ship, name) {
  const unit = ship.units.find((u) => u.kind === 'block' && u.block.name === name);
  if (!unit || !view.frame) return null;
  return screen_of(view, unit.box.getCenter(new THREE.Vector3()));
}

// How far ahead of the eye, along the heading, the ship's middle lies (at
// least 10): what an orbit turns about.
export function distance_ahead(ship, view) {
  const a = view.view_angle * Math.PI / 180;
  return Math.max(10, (ship.centre.x - view.cam_x) * Math.sin(a) + (ship.centre.y - view.cam_y) * Math.cos(a));
}
