// The ship in a handful of draw calls. Every drawn part of the model (a
// block, a block's ceiling, the hull, ...) becomes a "unit": its triangles
// and lines are copied, in world space and with their colour per vertex,
// into one triangle mesh and one line mesh. Showing and hiding units
// rewrites the meshes' index buffers, so a frame costs one draw call per
// layer, however many blocks are shown.
import * as THREE from 'three';

// One merged buffer of one primitive type: the vertices of every unit, and
// the full index from which each layer copies the ranges of its units.
class Merged {
  constructor(per_primitive) {
    this.per_primitive = per_primitive;  // 3 for triangles, 2 for lines
    this.positions = [];
    this.colours = [];
    this.index = [];
  }

  // A primitive's vertices that share a position become one (about half of
  // them in this model), which spares the vertex stage as many.
  add(geometry, matrix, colour, unit, pairs_of) {
    const position = geometry.attributes.position;
    const merged_at = new Map(), vertex_of = new Uint32Array(position.count);
    const v = new THREE.Vector3();
    for (let i = 0; i < position.count; i++) {
      v.fromBufferAttribute(position, i);
      const key = `${v.x},${v.y},${v.z}`;
      if (!merged_at.has(key)) {
        merged_at.set(key, this.positions.length / 3);
        v.applyMatrix4(matrix);
        this.positions.push(v.x, v.y, v.z);
        this.colours.push(Math.round(colour.r * 255), Math.round(colour.g * 255), Math.round(colour.b * 255));
        unit.box.expandByPoint(v);
      }
      vertex_of[i] = merged_at.get(key);
    }
    const start = this.index.length;
    for (const i of pairs_of(geometry)) this.index.push(vertex_of[i]);
    const range = unit.ranges[this.per_primitive];
    if (range.count === 0) range.start = start;
    range.count += this.index.length - start;
  }

  // The geometry every layer of this buffer shares: positions and colours.
  finish() {
    this.full = new Uint32Array(this.index);
    this.position = new THREE.Float32BufferAttribute(this.positions, 3);
    // Bytes are enough for the palette's colours and cost the vertex stage
    // less to fetch than floats.
    this.colour = new THREE.Uint8BufferAttribute(this.colours, 3, true);
    this.positions = this.colours = this.index = null;
  }

  layer(material, render_order) {
    const geometry = new THREE.BufferGeometry();
    geometry.setAttribute('position', this.position);
    geometry.setAttribute('color', this.colour);
    const index = new THREE.BufferAttribute(new Uint32Array(this.full.length), 1);
    index.setUsage(THREE.DynamicDrawUsage);
    geometry.setIndex(index);
    geometry.setDrawRange(0, 0);
    const Kind = this.per_primitive === 3 ? THREE.Mesh : THREE.LineSegments;
    const object = new Kind(geometry, material);
    object.renderOrder = render_order;
    object.frustumCulled = false;
    return object;
  }
}

const triangles = (g) => g.index ? g.index.array : [...Array(g.attributes.position.count).keys()];
function segments(line) {
  return (g) => {
    const n = g.index ? g.index.count : g.attributes.position.count;
    const at = (i) => g.index ? g.index.array[i] : i;
    const out = [];
    if (line.isLineSegments) for (let i = 0; i < n; i++) out.push(at(i));
    else for (let i = 0; i + 1 < n; i++) out.push(at(i), at(i + 1));
    if (line.isLineLoop && n > 2) out.push(at(n - 1), at(0));
    return out;
  };
}

// The model's node that names what a mesh belongs to: the nearest one with
// a kind in its extras.
function owner_of(object) {
  for (let node = object; node; node = node.parent) if (node.userData.kind) return node;
  return null;
}

// Sorts the model's drawable objects into units and merges them.
// Returns { units, tris, lines }; each unit is { kind, block (the block's
// extras, for a block and its ceiling), box, ranges }.
export function merge_model(root) {
  root.updateMatrixWorld(true);
  const tris = new Merged(3), lines = new Merged(2);
  const units = [], unit_of = new Map();
  root.traverse((object) => {
    if (!object.isMesh && !object.isLine) return;
    const node = owner_of(object);
    if (!node) return;
    if (!unit_of.has(node)) {
      const block = node.userData.kind === 'block' ? node.userData
                  : node.parent?.userData.kind === 'block' ? node.parent.userData : null;
      const unit = { kind: node.userData.kind, block, box: new THREE.Box3(),
                     ranges: { 3: { start: 0, count: 0 }, 2: { start: 0, count: 0 } } };
      unit_of.set(node, unit);
      units.push(unit);
    }
    const unit = unit_of.get(node);
    if (object.isMesh) tris.add(object.geometry, object.matrixWorld, object.material.color, unit, triangles);
    else lines.add(object.geometry, object.matrixWorld, object.material.color, unit, segments(object));
  });
  tris.finish();
  lines.finish();
  return { units, tris, lines };
}

// Makes a layer's meshes draw exactly the units for which wanted(unit) holds.
export function fill(layer, merged, units, wanted) {
  for (const m of merged) {
    const object = layer[m.per_primitive];
    const index = object.geometry.index;
    let n = 0;
    for (const unit of units) {
      const { start, count } = unit.ranges[m.per_primitive];
      if (count === 0 || !wanted(unit)) continue;
      index.array.set(m.full.subarray(start, start + count), n);
      n += count;
    }
    index.clearUpdateRanges();
    index.addUpdateRange(0, Math.max(n, 1));
    index.needsUpdate = true;
    object.geometry.setDrawRange(0, n);
    object.visible = n > 0;
  }
}

// The nearest point along the ray on a triangle of a unit for which
// shown(unit) holds and that kept(unit, point) keeps: { unit, point }, or
// null where the ray meets none. Units are tried in the order their boxes
// meet the ray, and only while a box is nearer than the best point so far.
export function nearest_hit(ray, tris, units, shown, kept = () => true) {
  const candidates = [];
  const at = new THREE.Vector3();
  for (const unit of units) {
    if (unit.ranges[3].count === 0 || !shown(unit) || !ray.intersectBox(unit.box, at)) continue;
    candidates.push({ unit, distance: at.distanceTo(ray.origin) });
  }
  candidates.sort((a, b) => a.distance - b.distance);
  const a = new THREE.Vector3(), b = new THREE.Vector3(), c = new THREE.Vector3(), hit = new THREE.Vector3();
  let best = null, best_distance = Infinity;
  for (const { unit, distance } of candidates) {
    if (distance > best_distance) break;
    const { start, count } = unit.ranges[3];
    for (let i = start; i < start + count; i += 3) {
      a.fromBufferAttribute(tris.position, tris.full[i]);
      b.fromBufferAttribute(tris.position, tris.full[i + 1]);
      c.fromBufferAttribute(tris.position, tris.full[i + 2]);
      if (!ray.intersectTriangle(a, b, c, false, hit)) continue;
      const d = hit.distanceTo(ray.origin);
      if (d < best_distance && kept(unit, hit)) { best_distance = d; best = { unit, point: hit.clone() }; }
    }
  }
  return best;
}
