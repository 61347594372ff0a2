// Lines two pixels wide, as tev draws the landing target with glLineWidth(2):
// WebGL draws lines one pixel wide at most, so each segment becomes a quad
// that reaches one pixel either side of the line across its minor axis (up
// and down for a line that runs more across the screen than up it), as
// OpenGL widens a line that is not antialiased.
import * as THREE from 'three';

const vertexShader = `
uniform vec2 buffer_size;
attribute vec3 other;
attribute float side;
varying vec3 colour;
void main() {
  colour = color;
  mat4 to_clip = projectionMatrix * modelViewMatrix;
  vec4 a = to_clip * vec4(position, 1.0);
  vec4 b = to_clip * vec4(other, 1.0);
  vec2 along = (b.xy / b.w - a.xy / a.w) * buffer_size;
  vec2 across = abs(along.x) >= abs(along.y) ? vec2(0.0, 1.0) : vec2(1.0, 0.0);
  gl_Position = a + vec4(across * side * 2.0 / buffer_size * a.w, 0.0, 0.0);
}`;
const fragmentShader = 'varying vec3 colour;\nvoid main() { gl_FragColor = vec4(colour, 1.0); }';

// The segments of the given units of the merged lines, as one mesh.
export function create_wide_lines(lines, units) {
  const position = [], other = [], side = [], colour = [], index = [];
  const point = (attribute, i) => [attribute.getX(i), attribute.getY(i), attribute.getZ(i)];
  for (const unit of units) {
    const { start, count } = unit.ranges[2];
    for (let i = start; i < start + count; i += 2) {
      const [a, b] = [lines.full[i], lines.full[i + 1]];
      const base = position.length / 3;
      for (const [here, there, s] of [[a, b, 1], [a, b, -1], [b, a, 1], [b, a, -1]]) {
        position.push(...point(lines.position, here));
        other.push(...point(lines.position, there));
        side.push(s);
        colour.push(...point(lines.colour, here));
      }
      index.push(base, base + 1, base + 2, base + 1, base + 3, base + 2);
    }
  }
  const geometry = new THREE.BufferGeometry();
  geometry.setAttribute('position', new THREE.Float32BufferAttribute(position, 3));
  geometry.setAttribute('other', new THREE.Float32BufferAttribute(other, 3));
  geometry.setAttribute('side', new THREE.Float32BufferAttribute(side, 1));
  geometry.setAttribute('color', new THREE.Float32BufferAttribute(colour, 3));
  geometry.setIndex(index);
  const material = new THREE.ShaderMaterial({
    vertexShader, fragmentShader, vertexColors: true, side: THREE.DoubleSide, depthFunc: THREE.LessDepth,
    uniforms: { buffer_size: { value: new THREE.Vector2(1, 1) } },
  });
  const mesh = new THREE.Mesh(geometry, material);
  mesh.frustumCulled = false;
  mesh.renderOrder = -1;
  mesh.count = index.length;
  return mesh;
}
