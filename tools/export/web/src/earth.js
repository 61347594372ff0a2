// The Earth: a sphere of radius 6,400,000 about the world's origin, in 100
// slices and 100 stacks at the angles GLUT's solid sphere puts them, in one
// colour. It is drawn relative to the eye: its vertices less the eye's
// position go to the GPU, worked out in double precision whenever the eye
// moves, so that single precision has only the short distances left.
import * as THREE from 'three';

const f = Math.fround;
export const EARTH_RADIUS = 6400000;
const SLICES = 100, STACKS = 100;

// GLUT's table of sines and cosines: n steps round a whole circle, or half
// of one, in single precision.
function circle(n, half) {
  const angle = f(f((half ? 1 : 2) * f(Math.PI)) / n);
  const sin = [], cos = [];
  for (let i = 0; i <= n; i++) {
    sin.push(i === 0 || i === n ? 0 : f(Math.sin(f(angle * i))));
    cos.push(i === 0 ? 1 : i === n ? (half ? -1 : 1) : f(Math.cos(f(angle * i))));
  }
  return { sin, cos };
}

// The sphere's vertices (the two poles and the rings between them) and its
// triangles.
function sphere() {
  const around = circle(SLICES, false), down = circle(STACKS, true);
  const r = f(EARTH_RADIUS);
  const points = [[0, 0, r]];
  for (let i = 1; i < STACKS; i++)
    for (let j = 0; j < SLICES; j++)
      points.push([f(f(f(around.cos[j] * down.sin[i])) * r), f(f(f(around.sin[j] * down.sin[i])) * r),
                   f(f(down.cos[i]) * r)]);
  points.push([0, 0, -r]);
  const ring = (i, j) => 1 + (i - 1) * SLICES + (j % SLICES);
  const index = [];
  for (let j = 0; j < SLICES; j++) index.push(0, ring(1, j), ring(1, j + 1));
  for (let i = 1; i < STACKS - 1; i++)
    for (let j = 0; j < SLICES; j++)
      index.push(ring(i, j), ring(i + 1, j), ring(i + 1, j + 1), ring(i, j), ring(i + 1, j + 1), ring(i, j + 1));
  const south = points.length - 1;
  for (let j = 0; j < SLICES; j++) index.push(south, ring(STACKS - 1, j + 1), ring(STACKS - 1, j));
  return { points, index };
}

// The Earth's mesh in the colour given; place(eye) moves it for an eye.
export function create_earth(colour) {
  const { points, index } = sphere();
  const geometry = new THREE.BufferGeometry();
  const position = new THREE.BufferAttribute(new Float32Array(points.length * 3), 3);
  geometry.setAttribute('position', position);
  geometry.setIndex(index);
  const material = new THREE.MeshBasicMaterial({ color: colour, side: THREE.DoubleSide, depthFunc: THREE.LessDepth });
  const mesh = new THREE.Mesh(geometry, material);
  mesh.frustumCulled = false;
  mesh.renderOrder = -2;
  let placed_at = '';
  mesh.place = (eye) => {
    if (String(eye) === placed_at) return;
    placed_at = String(eye);
    points.forEach((p, i) => position.setXYZ(i, p[0] - eye[0], p[1] - eye[1], p[2] - eye[2]));
    position.needsUpdate = true;
  };
  return mesh;
}
