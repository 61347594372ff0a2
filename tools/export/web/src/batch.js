// The ship in a handful of draw calls. Every part that tev draws (a block,
// a block's ceiling, the hull, ...) is a "unit": the viewer records them all
// once, into one triangle buffer and one line buffer with their colour per
// vertex. Showing and hiding units rewrites the meshes' index buffers, so a
// frame costs one draw call per layer, however many blocks are shown.
import * as THREE from 'three';

// One merged buffer of one primitive type: the vertices of every unit, and
// the full index from which each layer copies the ranges of its units.
class Merged {
  constructor(per_primitive, { positions, colours, index }) {
    this.per_primitive = per_primitive;  // 3 for triangles, 2 for lines
    this.full = index;
    this.position = new THREE.BufferAttribute(positions, 3);
    // Bytes are enough for the palette's colours and cost the vertex stage
    // less to fetch than floats.
    this.colour = new THREE.BufferAttribute(colours, 3, true);
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

// The recorded parts ({ tris, lines, units }, viewer.js) as merged buffers
// and units, each unit's box ([x0, x1, y0, y1, z0, z1]) as a Box3.
// Returns { units, tris, lines }.
export function merge_parts(parts) {
  for (const unit of parts.units) {
    const [x0, x1, y0, y1, z0, z1] = unit.box;
    unit.box = new THREE.Box3(new THREE.Vector3(x0, y0, z0), new THREE.Vector3(x1, y1, z1));
  }
  return { units: parts.units, tris: new Merged(3, parts.tris), lines: new Merged(2, parts.lines) };
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
