// The ship's scene: reading the exported model, drawing it unlit on black in
// a few draw calls, showing and hiding its parts from the page's state, and
// naming the block under a point of the canvas.
import * as THREE from 'three';
import { GLTFLoader } from 'three/examples/jsm/loaders/GLTFLoader.js';
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
  const view = { renderer, scene, camera: new THREE.PerspectiveCamera(60, 1, 0.1, 100),
                 overhead: new THREE.OrthographicCamera(), shown: null };
  view.render = () => renderer.render(scene, view.camera);
  const resize = () => {
    const { clientWidth: w, clientHeight: h } = container;
    renderer.setSize(w, h);
    if (view.shown) place_camera(view, view.shown);
    view.render();
  };
  new ResizeObserver(resize).observe(container);
  resize();
  return view;
}

// The camera of a view state, in the model's frame (glTF: X, Y, Z = the
// ship's x, z, -y). Perspective: 60 degrees across the view's shorter side,
// from the eye along the heading, the point looked at view_pitch above the
// eye one unit ahead. Overhead: straight down, a box of ±zoom across the
// shorter side.
function place_camera(view, v) {
  const canvas = view.renderer.domElement;
  const aspect = canvas.clientWidth / Math.max(canvas.clientHeight, 1);
  const gl = (x, y, z) => new THREE.Vector3(x, z, -y);
  const eye = gl(v.cam_x, v.cam_y, v.cam_z);
  if (v.perspective_mode) {
    const camera = view.camera = view.perspective ??= new THREE.PerspectiveCamera();
    const [near, far] = v.far_clip ? [0.1, 1e7] : v.world_view ? [10, 1e7] : [0.1, 100];
    const half = Math.tan(Math.PI / 6);
    Object.assign(camera, { near, far, aspect,
                            fov: 2 * Math.atan(aspect >= 1 ? half : half / aspect) * 180 / Math.PI });
    const a = v.view_angle * 3.1415926236 / 180;
    camera.position.copy(eye);
    camera.up.set(0, 1, 0);
    camera.lookAt(gl(v.cam_x + Math.sin(a), v.cam_y + Math.cos(a), v.cam_z + v.view_pitch));
  } else {
    const camera = view.camera = view.overhead;
    const [w, h] = aspect >= 1 ? [v.zoom * aspect, v.zoom] : [v.zoom, v.zoom / aspect];
    Object.assign(camera, { left: -w, right: w, top: h, bottom: -h, near: -v.zoom, far: v.zoom });
    camera.position.copy(eye);
    camera.up.copy(gl(0, 1, 0));
    camera.lookAt(gl(v.cam_x, v.cam_y, v.cam_z - 1));
  }
  view.camera.updateProjectionMatrix();
  view.camera.updateMatrixWorld();
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

// The view state's flag of each optional part.
const flag_of_part = { ceilings: 'show_ceilings', hull: 'show_hull', station: 'show_station', target: 'show_target' };
const part_shown = (v, kind) => Boolean(v[flag_of_part[part_of_kind[kind]]]);

// What a view state v and the page's toggles show, unit by unit. A block p
// is shown while p < blocks_shown, on the shown deck or on all; its ceiling
// with it while ceilings are on; the upright tubes while the counter is at
// most the facts' last step with them. The x-ray shows the other decks'
// built blocks; the newest block is block blocks_shown - 1.
export function rules(ship, v, toggles) {
  const { deck_count, last_step_with_upright_tubes } = ship.facts;
  const built = (b) => b.position < v.blocks_shown;
  const on_deck = (b) => v.deck_shown === deck_count || b.deck_index === v.deck_shown;
  const part_on = (u) => u.kind === 'block' || part_shown(v, u.kind);
  const shown = (u) => u.block ? built(u.block) && on_deck(u.block) && part_on(u)
                     : u.kind === 'upright_tubes' ? v.blocks_shown <= last_step_with_upright_tubes
                     : part_shown(v, u.kind);
  const faint = (u) => toggles.xray && u.block && built(u.block) && !on_deck(u.block) && part_on(u);
  const newest_block = toggles.highlight && shown_newest(ship, v);
  const newest = (u) => u.kind === 'block' && u.block === newest_block;
  return { shown, faint, newest };
}

// The newest block, blocks_shown - 1, when it is built and on a shown deck.
export function shown_newest(ship, v) {
  const block = ship.blocks[v.blocks_shown - 1];
  if (!block) return null;
  return v.deck_shown === ship.facts.deck_count || block.deck_index === v.deck_shown ? block : null;
}

// Brings the layers and the camera up to the view state and the page's
// toggles, and draws a frame.
export function draw(view, ship, v, toggles) {
  view.shown = v;
  place_camera(view, v);
  const rule = rules(ship, v, toggles);
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
export function pick(view, ship, v, toggles, x, y) {
  const canvas = view.renderer.domElement;
  const ndc = new THREE.Vector2((x / canvas.clientWidth) * 2 - 1, 1 - (y / canvas.clientHeight) * 2);
  const raycaster = new THREE.Raycaster();
  raycaster.setFromCamera(ndc, view.camera);
  const unit = nearest_unit(raycaster.ray, ship.merged[0], ship.units, rules(ship, v, toggles).shown);
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
