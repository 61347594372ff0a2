// Times the page's redraw in headless Chromium (software WebGL, 1000x800),
// for one or more site directories in one run, so that pages can be compared
// side by side:
//   node test/bench.mjs SITE_DIR...
// For each site it prints the draw calls of one frame and the median of
// REDRAWS redraws, each window.tev.set({}) followed by the read of one
// pixel, which waits for the drawing to end (Chromium's gl.finish() does
// not wait for its GPU process). The
// sites are visited in turn, several rounds, so that a slow spell of the
// machine falls on all of them alike.
import { serve, open_browser, open_page } from './browser.mjs';

const sites = process.argv.slice(2);
if (sites.length === 0) {
  console.error('usage: node test/bench.mjs SITE_DIR...');
  process.exit(2);
}
const ROUNDS = 8, REDRAWS = 5;

// In the page: counts the draw calls of one set({}) and times REDRAWS of them.
function redraws(count) {
  const gl = document.querySelector('canvas').getContext('webgl2');
  if (!gl.calls) {
    gl.calls = { n: 0 };
    for (const name of ['drawArrays', 'drawElements', 'drawArraysInstanced', 'drawElementsInstanced',
                        'drawRangeElements']) {
      const draw = gl[name].bind(gl);
      gl[name] = (...args) => { gl.calls.n++; return draw(...args); };
    }
  }
  const pixel = new Uint8Array(4);
  const finish = () => gl.readPixels(0, 0, 1, 1, gl.RGBA, gl.UNSIGNED_BYTE, pixel);
  window.tev.set({});
  finish();
  gl.calls.n = 0;
  window.tev.set({});
  const calls_per_frame = gl.calls.n;
  const times = [];
  for (let i = 0; i < count; i++) {
    const start = performance.now();
    window.tev.set({});
    finish();
    times.push(performance.now() - start);
  }
  return { calls_per_frame, times };
}

const median = (list) => {
  const sorted = [...list].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};

const browser = await open_browser({ width: 1000, height: 800 });
const servers = await Promise.all(sites.map(serve));
try {
  const pages = [];
  for (const server of servers) pages.push(await open_page(browser.context, server.url));
  const results = sites.map(() => ({ calls: 0, times: [] }));
  for (let round = 0; round < ROUNDS; round++) {
    for (const [i, page] of pages.entries()) {
      await page.bringToFront();
      const { calls_per_frame, times } = await page.evaluate(redraws, REDRAWS);
      results[i].calls = calls_per_frame;
      results[i].times.push(...times);
    }
  }
  for (const [i, site] of sites.entries())
    console.log(`${site}: ${results[i].calls} draw calls a frame, median redraw ` +
                `${median(results[i].times).toFixed(1)} ms (${results[i].times.length} redraws)`);
} finally {
  await browser.close();
  for (const server of servers) server.close();
}
