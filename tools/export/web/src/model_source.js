// The ship's model, as the bytes of its glb. tev-export carries it in a
// classic script that sets window.tev_model to the glb deflated (zlib) and in
// base64: ship.js beside the page, or a script inside the single-file page.
// A page opened from disk may run such a script, where browsers refuse it
// both module scripts and fetch().
export async function model_glb() {
  const packed = window.tev_model;
  if (typeof packed !== 'string') throw new Error("the ship's model is missing (ship.js did not load)");
  if (typeof DecompressionStream !== 'function')
    throw new Error("this browser cannot unpack the ship's model (no DecompressionStream); try a newer one");
  try {
    const text = atob(packed);
    const bytes = new Uint8Array(text.length);  // a loop, six times as fast as Uint8Array.from here
    for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
    const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate'));
    const glb = await new Response(stream).arrayBuffer();
    if (new TextDecoder().decode(glb.slice(0, 4)) !== 'glTF') throw new Error('no glb');
    return glb;
  } catch (error) {
    console.error(error);  // the browser's own words, "Failed to fetch" for a bad stream, would mislead
    throw new Error("the ship's model is damaged");
  }
}
