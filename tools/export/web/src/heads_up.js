// The heads-up text of tev's frame (the texts it drew, each at its raster
// position in its colour), in GLUT's 24-point Times Roman bitmap font,
// pixel for pixel where tev's glBitmap puts them. The lines are drawn into
// a texture as large as they are and laid over the view, one texel a
// pixel, over everything.
import * as THREE from 'three';
import { HUD_FONT } from './hud_font.js';
import { raster_position } from './frame.js';

// glBitmap's small allowance before it rounds a raster position down.
const EPSILON = 0.0001;

// The pixels of a line from a raster position: [x, y] pairs, y from the
// bottom, each glyph's pixel `scale` pixels wide and high.
function line_pixels([x, y], text, scale, out) {
  for (const character of text) {
    const glyph = HUD_FONT[character.charCodeAt(0) - 32];
    if (!glyph) continue;
    const [width, height, x_origin, y_origin, advance, hex] = glyph;
    const left = Math.floor(x + EPSILON - x_origin * scale), bottom = Math.floor(y + EPSILON - y_origin * scale);
    const row_bytes = (width + 7) >> 3;
    for (let row = 0; row < height; row++)
      for (let column = 0; column < width; column++) {
        const byte = parseInt(hex.substr((row * row_bytes + (column >> 3)) * 2, 2), 16);
        if (byte & (0x80 >> (column & 7)))
          for (let dy = 0; dy < scale; dy++)
            for (let dx = 0; dx < scale; dx++) out.push([left + column * scale + dx, bottom + row * scale + dy]);
      }
    x += advance * scale;
  }
}

const overlay_shader = {
  vertexShader: 'varying vec2 at;\nvoid main() { at = uv; gl_Position = vec4(position.xy, 0.0, 1.0); }',
  fragmentShader: 'uniform sampler2D map;\nvarying vec2 at;\n' +
    'void main() { vec4 c = texture2D(map, at); if (c.a < 0.5) discard; gl_FragColor = vec4(c.rgb, 1.0); }',
};

// The overlay's mesh; show(texts, projection, width, height, scale) fills
// it with a frame's texts for a drawing buffer of width × height pixels.
export function create_heads_up() {
  const geometry = new THREE.PlaneGeometry(2, 2);
  // Transparent only so that it is drawn last, after the page's see-through
  // layers (x-ray, the newest block's mark); its pixels are opaque.
  const material = new THREE.ShaderMaterial({ ...overlay_shader, uniforms: { map: { value: null } },
                                              depthTest: false, depthWrite: false, transparent: true });
  const mesh = new THREE.Mesh(geometry, material);
  mesh.frustumCulled = false;
  mesh.renderOrder = 10;
  let shown = '';
  mesh.show = (texts, projection, width, height, scale) => {
    mesh.visible = texts.length > 0;
    if (!mesh.visible) return;
    const lines = texts.map((t) => t.text), colours = texts.map((t) => t.colour);
    const origins = texts.map((t) => raster_position(t.at, projection, width, height));
    const key = JSON.stringify([lines, colours, origins, width, height, scale]);
    if (key === shown) return;
    shown = key;
    // A raster position outside the view is invalid, and glBitmap then
    // draws nothing: with a tiny zoom, say, the lines start far off.
    const inside = ([x, y]) => x >= 0 && x <= width && y >= 0 && y <= height;
    const pixels = lines.map((text, i) => {
      const out = [];
      if (inside(origins[i])) line_pixels(origins[i], text, scale, out);
      return out;
    });
    fill(mesh, pixels, colours, width, height);
  };
  return mesh;
}

// Draws the lines' pixels into a texture over their bounds and places the
// mesh on exactly those pixels of the drawing buffer.
function fill(mesh, pixels, colours, width, height) {
  const all = pixels.flat();
  if (!all.length) { mesh.visible = false; return; }
  const x0 = Math.min(...all.map((p) => p[0])), x1 = Math.max(...all.map((p) => p[0])) + 1;
  const y0 = Math.min(...all.map((p) => p[1])), y1 = Math.max(...all.map((p) => p[1])) + 1;
  const w = x1 - x0, h = y1 - y0;
  const data = new Uint8Array(w * h * 4);
  pixels.forEach((list, i) => {
    const rgb = colours[i].map((c) => Math.round(c * 255));
    for (const [x, y] of list) data.set([...rgb, 255], ((y - y0) * w + (x - x0)) * 4);
  });
  const old = mesh.material.uniforms.map.value;
  const texture = new THREE.DataTexture(data, w, h);
  texture.magFilter = texture.minFilter = THREE.NearestFilter;
  texture.needsUpdate = true;
  mesh.material.uniforms.map.value = texture;
  old?.dispose();
  const ndc = (p, size) => p / size * 2 - 1;
  const position = mesh.geometry.attributes.position;
  // PlaneGeometry's corners: top left, top right, bottom left, bottom right.
  [[x0, y1], [x1, y1], [x0, y0], [x1, y0]].forEach(([x, y], i) => position.setXY(i, ndc(x, width), ndc(y, height)));
  position.needsUpdate = true;
}
