// The frame, as tev draws it: tev's own frame (viewer.js) says what it
// draws, and this draws that: the projection and camera, the Earth with the
// ship lifted into orbit beside it, the landing target in wide lines, the
// parts in a few draw calls, and the heads-up text. Colours go to the
// screen as tev recorded them: no lighting, tone mapping, colour conversion
// or antialiasing. Also: naming the block under a point of the canvas, and
// where a block lies on it.
import * as THREE from 'three';
import { merge_parts, fill, nearest_hit } from './batch.js';
import { frame_matrices } from './frame.js';
import { create_earth } from './earth.js';
import { create_heads_up } from './heads_up.js';
import { create_wide_lines } from './wide_lines.js';

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

// Makes the ship from the parts the viewer recorded. ship.facts are the
// ship's facts; ship.blocks the blocks' records in construction order.
export function load_ship(view, viewer) {
  const facts = viewer.facts();
  const parts = viewer.parts();
  for (const unit of parts.units) unit.block = unit.position >= 0 ? facts.blocks[unit.position] : null;
  const { units, tris, lines } = merge_parts(parts);
  const ship = { viewer, facts, blocks: facts.blocks, units, merged: [tris, lines], frames: new Map() };
  add_layers(view, ship, parts.earth);
  ship.centre = units.filter((u) => u.block).reduce((box, u) => box.union(u.box), new THREE.Box3())
    .getCenter(new THREE.Vector3());
  view.ship = ship;
  return ship;
}

// Earth, target, ship and station, in tev's order: the ship's layers are
// the shown parts, the other decks faint (x-ray) and the newest block's
// mark over everything; then the heads-up lines.
function add_layers(view, ship, earth) {
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
  ship.earth = create_earth(earth, new THREE.Color(...ship.facts.earth_colour));
  view.earth_frame.add(ship.earth);
  ship.heads_up = create_heads_up();
  view.scene.add(ship.heads_up);
}

// tev's frame of a view: what the viewer recorded (frame.cpp's display),
// kept for the views last drawn, with every deck's parts too for the x-ray.
export function frame_of(ship, state) {
  const key = JSON.stringify([ship.viewer.fields.map(({ name }) => state[name]), Boolean(state.xray)]);
  let frame = ship.frames.get(key);
  if (!frame) {
    frame = ship.viewer.frame(Boolean(state.xray));
    const drawn = (list) => new Set((list ?? []).map(([kind, position]) => `${kind} ${position}`));
    frame.shown = drawn(frame.drawn);
    frame.all_decks = drawn(frame.drawn_all_decks);
    if (ship.frames.size > 8) ship.frames.clear();
    ship.frames.set(key, frame);
  }
  return frame;
}

// What the view shows, unit by unit: the parts tev's frame drew; the x-ray
// the blocks (and their ceilings) it would draw on the other decks; the
// newest block's mark block blocks_shown - 1 where it is drawn.
export function rules(ship, state) {
  const frame = frame_of(ship, state);
  const shown = (u) => frame.shown.has(`${u.kind_code} ${u.position}`);
  const faint = (u) => Boolean(state.xray) && u.block && !shown(u) && frame.all_decks.has(`${u.kind_code} ${u.position}`);
  const newest = (u) => Boolean(state.highlight) && u.kind === 'block' && u.position === state.blocks_shown - 1 && shown(u);
  return { shown, faint, newest, frame };
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
  // The target is drawn apart, in wide lines.
  const in_layer = { ...rule, shown: (u) => u.kind !== 'target' && rule.shown(u) };
  for (const name of ['shown', 'faint', 'newest']) {
    const key = ship.units.map((u) => in_layer[name](u) ? 1 : 0).join('');
    if (ship.layers[name].key === key) continue;
    ship.layers[name].key = key;
    fill(ship.layers[name], ship.merged, ship.units, in_layer[name]);
  }
  const { width, height, scale } = buffer_of(view);
  const frame = frame_matrices(rule.frame, width, height);
  place_camera(view, ship, frame, rule.frame.earth);
  ship.target.visible = ship.units.some((u) => u.kind === 'target' && rule.shown(u)) && ship.target.count > 0;
  ship.target.material.uniforms.buffer_size.value.set(width, height);
  ship.heads_up.show(rule.frame.texts, frame.projection, width, height, scale);
  view.render();
}

function place_camera(view, ship, frame, earth) {
  const { camera, ship_frame, earth_frame } = view;
  camera.projectionMatrix.fromArray(frame.projection);
  camera.projectionMatrixInverse.copy(camera.projectionMatrix).invert();
  set_matrix(ship_frame, frame.ship_view);
  set_matrix(earth_frame, frame.earth_view);
  earth_frame.visible = earth;
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
