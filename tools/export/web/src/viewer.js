// The viewer itself: tev's own C++ built to WebAssembly (tools/export/web/
// wasm), which decides everything tev decides: the view state and its
// reset, the keys, special keys and menu, the favourite view, key scripts,
// links, the frame's cameras and heads-up text, and which parts a frame
// draws. This module only carries values across. tev-export puts the module
// in the page as a classic script: its glue (create_tev_module) and the
// module itself, deflated and in base64 (window.tev_wasm); a page opened
// from disk may run such a script, where browsers refuse it fetch().

// Where the viewer's favourite view lives inside the module: its working
// working directory's favview.sav, which F5 reads and F6 writes as tev does.
const FAVOURITE_FILE = 'favview.sav';

export async function open_viewer(store) {
  const bytes = await module_bytes();
  let printed = '';
  const module = await window.create_tev_module({
    wasmBinary: bytes,
    print: (line) => { printed += `${line}\n`; },
    printErr: () => {},
  }).catch((error) => {
    console.error(error);
    throw new Error('the viewer in this page is damaged');
  });
  const c = (name, ...args) => module[`_${name}`](...args);
  const text = (pointer) => module.UTF8ToString(pointer);
  // Calls f with the string s in the module's memory.
  const with_string = (s, f) => {
    const bytes = new TextEncoder().encode(String(s));
    const at = c('malloc', bytes.length + 1);
    module.HEAPU8.set(bytes, at);
    module.HEAPU8[at + bytes.length] = 0;
    try { return f(at); } finally { c('free', at); }
  };
  // What a command printed (tev's diagnostics), and the view after it.
  const run = (f) => {
    printed = '';
    f();
    return printed;
  };

  c('tev_start');
  const fields = Array.from({ length: c('tev_field_count') }, (_, i) =>
    ({ name: text(c('tev_field_name', i)), float: Boolean(c('tev_field_is_float', i)) }));
  const commands = JSON.parse(text(c('tev_commands')));
  const F5 = commands.specials.find(([name]) => name === 'F5')?.[1];
  const F6 = commands.specials.find(([name]) => name === 'F6')?.[1];

  // The store's text as favview.sav before anything that may read it, and
  // the file's text into the store after F6.
  const favourite_in = () => {
    const saved = store?.read();
    try { module.FS.unlink(FAVOURITE_FILE); } catch { /* there was none */ }
    if (typeof saved === 'string') module.FS.writeFile(FAVOURITE_FILE, saved);
  };
  const favourite_out = () => {
    try { store?.write(module.FS.readFile(FAVOURITE_FILE, { encoding: 'utf8' })); } catch { /* tev said why it could not save */ }
  };

  const viewer = {
    fields,
    commands,
    view: () => Object.fromEntries(fields.map(({ name }, i) => [name, c('tev_get', i)])),
    // Sets some fields, each as tev holds it (a float in single precision).
    set_view(change) {
      fields.forEach(({ name }, i) => {
        if (Object.hasOwn(change, name) && typeof change[name] === 'number') c('tev_set', i, change[name]);
      });
    },
    start_up_view: () => c('tev_start_up_view'),
    key: (character) => run(() => c('tev_key', character.charCodeAt(0))),
    special: (code, shift) => run(() => {
      if (code === F5) favourite_in();
      c('tev_special', code, shift ? 1 : 0);
      if (code === F6) favourite_out();
    }),
    menu: (value) => run(() => c('tev_menu', value)),
    // The link to the view, the toggles t and the section s (or null).
    link: (t, s) => text(c('tev_link', ...page_fields(t, s))),
    // A link's fields and key script on top of the view, the toggles and
    // the section given: { toggles, section, refused }.
    read_link(fragment, t, s = null) {
      favourite_in();
      const asked = JSON.parse(with_string(fragment, (at) => text(c('tev_read_link', at, ...page_fields(t, s)))));
      return { toggles: { highlight: asked.highlight === 1, xray: asked.xray === 1, panel: asked.panel === 1 },
               section: asked.section, refused: asked.refused };
    },
    favourite_text: () => text(c('tev_favourite_text')),
    read_favourite_text: (t) => with_string(t, (at) => c('tev_read_favourite_text', at)),
    frame: (all_decks) => JSON.parse(text(c('tev_frame', all_decks ? 1 : 0))),
    facts: () => JSON.parse(text(c('tev_facts'))),
    parts: () => recorded_parts(module, c, text),
  };
  return viewer;
}

// The page's fields as the module takes them: the toggles t, each 0 or 1,
// and the section s ({ axis: 'x', side: '<', value }, or null): its axis's
// number (-1 for none), 1 where it keeps the side below, and its value.
const page_fields = (t, s) => [t.highlight ? 1 : 0, t.xray ? 1 : 0, t.panel ? 1 : 0,
                               s ? 'xyz'.indexOf(s.axis) : -1, s?.side === '<' ? 1 : 0, s ? s.value : 0];

// The module's bytes, from window.tev_wasm.
async function module_bytes() {
  const packed = window.tev_wasm;
  if (typeof packed !== 'string' || typeof window.create_tev_module !== 'function')
    throw new Error('the viewer is missing from the page');
  if (typeof DecompressionStream !== 'function')
    throw new Error('this browser cannot unpack the viewer (no DecompressionStream); try a newer one');
  try {
    const binary = atob(packed);
    const bytes = new Uint8Array(binary.length);  // a loop, six times as fast as Uint8Array.from here
    for (let i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
    const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate'));
    return new Uint8Array(await new Response(stream).arrayBuffer());
  } catch (error) {
    console.error(error);  // the browser's own words, "Failed to fetch" for a bad stream, would mislead
    throw new Error('the viewer in this page is damaged');
  }
}

// Every part tev draws, recorded once: the triangles and lines of all of
// them in two buffers, and each part's kind, block position and ranges.
function recorded_parts(module, c, text) {
  const copy = (Type, heap, pointer, count) => new Type(heap.buffer, pointer, count).slice();
  const buffer = (b) => ({
    positions: copy(Float32Array, module.HEAPF32, c('tev_positions', b), c('tev_vertex_count', b) * 3),
    colours: copy(Uint8Array, module.HEAPU8, c('tev_colours', b), c('tev_vertex_count', b) * 3),
    index: copy(Uint32Array, module.HEAPU32, c('tev_indices', b), c('tev_index_count', b)),
  });
  const count = c('tev_unit_count');
  // A unit: kind, position, triangles' start and count, lines' start and
  // count (ints), its box (six floats).
  const raw = copy(Int32Array, module.HEAP32, c('tev_units'), count * 12);
  const floats = new Float32Array(raw.buffer);
  const units = [];
  for (let u = 0; u < count; u++) {
    const [kind, position, tri_start, tri_count, line_start, line_count] = raw.subarray(u * 12, u * 12 + 6);
    units.push({ kind_code: kind, kind: text(c('tev_part_kind_name', kind)), position,
                 box: [...floats.subarray(u * 12 + 6, u * 12 + 12)],
                 ranges: { 3: { start: tri_start, count: tri_count }, 2: { start: line_start, count: line_count } } });
  }
  const earth = {
    points: copy(Float64Array, module.HEAPF64, c('tev_earth_points'), c('tev_earth_point_count') * 3),
    index: copy(Uint32Array, module.HEAPU32, c('tev_earth_triangles'), c('tev_earth_index_count')),
  };
  return { tris: buffer(0), lines: buffer(1), units, earth };
}
