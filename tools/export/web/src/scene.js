// The ship's scene: loading the exported model, drawing it unlit on black,
// showing and hiding its parts from the construction counter, the deck filter
// and the toggles, and naming the block under a point of the canvas.
import * as THREE from 'three';
import { GLTFLoader } from 'three/examples/jsm/loaders/GLTFLoader.js';
import { OrbitControls } from 'three/examples/jsm/controls/OrbitControls.js';

export const ALL_DECKS = 16;

// The model's optional parts, by the kind its nodes carry in their extras.
export const PARTS = ['ceilings', 'hull', 'station', 'target'];
const part_of_kind = { ceiling: 'ceilings', hull: 'hull', station: 'station', target: 'target' };

export function create_view(container) {
  const renderer = new THREE.WebGLRenderer({ antialias: true, preserveDrawingBuffer: true });
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
  const render = () => renderer.render(scene, camera);
  view.render = render;
  controls.addEventListener('change', render);

  const resize = () => {
    const { clientWidth: w, clientHeight: h } = container;
    renderer.setSize(w, h);
    camera.aspect = w / Math.max(h, 1);
    camera.updateProjectionMatrix();
    render();
  };
  new ResizeObserver(resize).observe(container);
  resize();
  return view;
}

// Loads the model and sorts its nodes out: the blocks in construction order,
// the upright tubes and the parts the toggles switch.
export async function load_ship(view, glb) {
  const gltf = await new GLTFLoader().parseAsync(glb, '');
  const ship = { info: {}, blocks: [], tubes: [], parts: {} };
  for (const part of PARTS) ship.parts[part] = [];
  gltf.scene.traverse((node) => {
    const kind = node.userData.kind;
    if (kind === 'ship') ship.info = node.userData;
    else if (kind === 'block') ship.blocks.push(node);
    else if (kind === 'upright_tubes') ship.tubes.push(node);
    else if (kind in part_of_kind) ship.parts[part_of_kind[kind]].push(node);
  });
  ship.blocks.sort((a, b) => a.userData.position - b.userData.position);
  // The construction animation's scale keys are for other glTF viewers; the
  // page shows and hides the nodes itself.
  for (const node of [...ship.blocks, ...ship.tubes]) node.scale.set(1, 1, 1);
  view.scene.add(gltf.scene);
  gltf.scene.updateMatrixWorld(true);

  const box = new THREE.Box3();
  for (const block of ship.blocks) box.expandByObject(block);
  view.home = box.getBoundingSphere(new THREE.Sphere());
  reset_view(view);
  return ship;
}

// Looks at the whole ship from above, ahead and to one side.
export function reset_view(view) {
  const { camera, controls, home } = view;
  const distance = home.radius / Math.sin(THREE.MathUtils.degToRad(camera.fov / 2)) * 1.05;
  const direction = new THREE.Vector3(0.55, 0.75, 0.65).normalize();
  camera.near = home.radius / 100;
  camera.far = home.radius * 100;
  camera.updateProjectionMatrix();
  camera.position.copy(home.center).addScaledVector(direction, distance);
  controls.target.copy(home.center);
  controls.update();
}

// Block p is drawn while p < counter, on the shown deck or on all; the
// upright tubes while the counter is 16 or less.
export function show(ship, state) {
  for (const block of ship.blocks) {
    const { position, deck_index } = block.userData;
    block.visible = position < state.counter && (state.deck === ALL_DECKS || deck_index === state.deck);
  }
  for (const tube of ship.tubes) tube.visible = state.counter <= 16;
  for (const part of PARTS) for (const node of ship.parts[part]) node.visible = state[part];
}

function shown(node) {
  for (; node; node = node.parent) if (!node.visible) return false;
  return true;
}

function block_of(node) {
  for (; node; node = node.parent) if (node.userData.kind === 'block') return node;
  return null;
}

// The block drawn nearest the eye at canvas point (x, y), in CSS pixels;
// null where no block is.
export function pick(view, x, y) {
  const canvas = view.renderer.domElement;
  const ndc = new THREE.Vector2((x / canvas.clientWidth) * 2 - 1, 1 - (y / canvas.clientHeight) * 2);
  const raycaster = new THREE.Raycaster();
  raycaster.setFromCamera(ndc, view.camera);
  const hit = raycaster.intersectObject(view.scene, true).find((h) => shown(h.object));
  const block = hit && block_of(hit.object);
  return block ? block.userData : null;
}

// Where the centre of a block's box lies on the canvas, in CSS pixels.
export function screen_point(view, block) {
  const canvas = view.renderer.domElement;
  const p = new THREE.Box3().setFromObject(block).getCenter(new THREE.Vector3()).project(view.camera);
  return { x: (p.x + 1) / 2 * canvas.clientWidth, y: (1 - p.y) / 2 * canvas.clientHeight };
}
