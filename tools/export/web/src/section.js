// The section: the ship cut on a plane across one axis, one side of it
// kept, as tev-snapshot --section draws it. The plane cuts the ship's
// drawing only (blocks, ceilings, upright tubes, hull, and the page's mark
// of the newest block); the Earth, the station and the target stay whole.
// A section is { axis: 'x' | 'y' | 'z', side: '<' | '>', value } in ship
// units, or null for none; the viewer reads and writes it in the link
// (section=x<12.5, percent-encoded), and ignores one that does not read.
import * as THREE from 'three';
import { fill } from './batch.js';

const AXES = ['x', 'y', 'z'];

// Whether a point { x, y, z } of the ship's frame lies on the kept side.
export const keeps = (s, p) => !s || (s.side === '<' ? p[s.axis] <= s.value : p[s.axis] >= s.value);
// Whether a point drawn of a unit stays: the station is never cut.
export const kept_by = (s) => (unit, point) => unit.kind === 'station' || keeps(s, point);

// The ship's extent along each axis, from the boxes of what it draws (the
// blocks' own bounds would not do: the disc deck keeps its hub's radius and
// its angles in them): { x: [least, most], y: ..., z: ... }.
export function extent_of(ship) {
  const box = new THREE.Box3();
  for (const unit of ship.units) if (!['station', 'target'].includes(unit.kind)) box.union(unit.box);
  return Object.fromEntries(AXES.map((a) => [a, [box.min[a], box.max[a]]]));
}

// The cut in the frame: the ship's layers clip at the plane, and while a
// cut is on, the station is drawn again whole after the ship (as tev draws
// it after the ship), from a layer of its own that nothing clips. The
// plane is given in the ship's frame and carried into the eye's by the
// matrix of whatever is drawn, at each frame. cut(section, show_station).
export function create_cut(view, ship) {
  const in_ship = new THREE.Plane(), in_eye = new THREE.Plane();
  view.renderer.localClippingEnabled = true;
  const station = station_layer(view, ship);
  const clipped = Object.values(ship.layers).flatMap((layer) => [layer[3].material, layer[2].material]);
  for (const material of new Set(clipped))
    material.onBeforeRender = (renderer, scene, camera, geometry, object) =>
      in_eye.copy(in_ship).applyMatrix4(object.matrixWorld);
  return (section, show_station) => {
    if (section) {
      const sign = section.side === '<' ? -1 : 1;
      in_ship.normal.set(0, 0, 0).setComponent(AXES.indexOf(section.axis), sign);
      in_ship.constant = -sign * section.value;
    }
    for (const material of clipped) material.clippingPlanes = section ? [in_eye] : null;
    for (const object of station) object.visible = Boolean(section && show_station);
  };
}

// The station's triangles and lines, drawn as the ship's shown layer draws
// them, from the same buffers.
function station_layer(view, ship) {
  const [tris, lines] = ship.merged, shown = ship.layers.shown;
  const layer = { 3: tris.layer(shown[3].material.clone(), 0), 2: lines.layer(shown[2].material.clone(), 0) };
  fill(layer, ship.merged, ship.units, (u) => u.kind === 'station');
  const objects = [layer[3], layer[2]].filter((object) => object.visible);
  for (const object of objects) view.ship_frame.add(object);
  return objects;
}

// The panel's section controls: the axis (or off), the side kept, and a
// slider over the ship's extent on the axis, in half units. Each sets the
// page's section; show(section) shows one.
const STEP = 0.5;
export function bind_section_controls(page, extent) {
  const $ = (id) => document.getElementById(id);
  const [axis, side, at] = [$('section-axis'), $('section-side'), $('section-at')];
  const set = (change) => page.set({ section: { ...page.state.section, ...change } });
  axis.addEventListener('change', () => {
    if (!axis.value) return page.set({ section: null });
    const [least, most] = extent[axis.value];
    return set({ axis: axis.value, side: page.state.section?.side ?? '<',
                 value: Math.round((least + most) / 2 / STEP) * STEP });
  });
  side.addEventListener('change', () => set({ side: side.value }));
  at.addEventListener('input', () => set({ value: Number(at.value) }));
  at.step = STEP;
  return function show(section) {
    axis.value = section?.axis ?? '';
    for (const control of [side, at, $('section-value')]) control.hidden = !section;
    if (!section) return;
    side.value = section.side;
    for (const option of side.options) option.textContent = `keep ${section.axis} ${option.value}`;
    [at.min, at.max] = extent[section.axis].map((v, i) => (i ? Math.ceil : Math.floor)(v / STEP) * STEP);
    at.value = section.value;
    at.setAttribute('aria-valuetext', `${section.axis} ${section.side} ${section.value} ship units`);
    $('section-value').textContent = `${section.axis} ${section.side} ${section.value}`;
  };
}
