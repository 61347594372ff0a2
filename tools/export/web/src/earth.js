// The Earth as tev's frame draws it (glutSolidSphere, recorded by the
// viewer once): its vertices about the world's origin and its triangles, in
// one colour. It is drawn relative to the eye: its vertices less the eye's
// position go to the GPU, worked out in double precision whenever the eye
// moves, so that single precision has only the short distances left.
import * as THREE from 'three';

// Each triangle's outward normal.
function normals(points, index) {
  const out = [];
  for (let t = 0; t < index.length; t += 3) {
    const [a, b, c] = [points[index[t]], points[index[t + 1]], points[index[t + 2]]];
    const u = [b[0] - a[0], b[1] - a[1], b[2] - a[2]], v = [c[0] - a[0], c[1] - a[1], c[2] - a[2]];
    const n = [u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]];
    const outward = n[0] * a[0] + n[1] * a[1] + n[2] * a[2] >= 0 ? 1 : -1;
    out.push(n.map((x) => x * outward));
  }
  return out;
}

// The triangles that can show from the eye: those that face it (all of
// them when the eye is inside the sphere or so near it that the near plane
// could cut the nearer side open) and that are not wholly beyond one side
// of the view. The others never colour a pixel, so leaving them out keeps
// the picture the same and spares the GPU most of the sphere.
function facing(points, index, normal, radius, eye, to_clip) {
  const clip = points.map((p) => new THREE.Vector4(p[0] - eye[0], p[1] - eye[1], p[2] - eye[2], 1).applyMatrix4(to_clip));
  const outside = clip.map((c) => (c.x < -c.w) | (c.x > c.w) << 1 | (c.y < -c.w) << 2 | (c.y > c.w) << 3 |
                                  (c.z < -c.w) << 4 | (c.z > c.w) << 5);
  // Seen from a point (a perspective projection, whose clip w is the depth),
  // not along parallel lines (overhead), where every triangle may show.
  const from_a_point = to_clip.elements[15] === 0;
  const cull_back = from_a_point && Math.hypot(...eye) > radius + 1000;
  const kept = [];
  for (let t = 0, i = 0; t < index.length; t += 3, i++) {
    const [a, b, c] = [index[t], index[t + 1], index[t + 2]];
    if (outside[a] & outside[b] & outside[c]) continue;
    const p = points[a], n = normal[i];
    if (cull_back && n[0] * (p[0] - eye[0]) + n[1] * (p[1] - eye[1]) + n[2] * (p[2] - eye[2]) >= 0) continue;
    kept.push(a, b, c);
  }
  return kept;
}

// The Earth's mesh from the recorded sphere ({ points: x, y, z doubles,
// index: triangles }) in the colour given; place(eye, to_clip) moves it for
// an eye and the matrix from eye-relative positions to clip space.
export function create_earth(sphere, colour) {
  const points = [];
  for (let i = 0; i < sphere.points.length; i += 3) points.push([...sphere.points.subarray(i, i + 3)]);
  const index = sphere.index;
  const normal = normals(points, index);
  const radius = Math.max(...points.map((p) => Math.hypot(...p)));
  const geometry = new THREE.BufferGeometry();
  const position = new THREE.BufferAttribute(new Float32Array(points.length * 3), 3);
  geometry.setAttribute('position', position);
  const drawn = new THREE.BufferAttribute(new Uint32Array(index.length), 1);
  drawn.setUsage(THREE.DynamicDrawUsage);
  geometry.setIndex(drawn);
  const material = new THREE.MeshBasicMaterial({ color: colour, side: THREE.DoubleSide, depthFunc: THREE.LessDepth });
  const mesh = new THREE.Mesh(geometry, material);
  mesh.frustumCulled = false;
  mesh.renderOrder = -2;
  let placed_at = '';
  mesh.place = (eye, to_clip) => {
    const key = String([...eye, ...to_clip.elements]);
    if (key === placed_at) return;
    placed_at = key;
    points.forEach((p, i) => position.setXYZ(i, p[0] - eye[0], p[1] - eye[1], p[2] - eye[2]));
    position.needsUpdate = true;
    const kept = facing(points, index, normal, radius, eye, to_clip);
    drawn.array.set(kept);
    drawn.clearUpdateRanges();
    drawn.addUpdateRange(0, Math.max(kept.length, 1));
    drawn.needsUpdate = true;
    geometry.setDrawRange(0, kept.length);
    mesh.visible = kept.length > 0;
  };
  return mesh;
}
