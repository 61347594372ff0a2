// The page draws what tev draws: for each key script, the page's canvas
// (640x640, the panel hidden, the newest block unmarked) beside
// tev-snapshot's picture after the same keys.
//   node test/parity.test.mjs SITE_DIR TEV_SNAPSHOT OUT_DIR
// SITE_DIR holds the whole ship (tev-export --web); OUT_DIR receives both
// pictures of each script and a line of figures each in parity.txt.
import { test, before, after } from './timed.mjs';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { serve, open_browser, open_page } from './browser.mjs';

const [site, snapshot, out] = process.argv.slice(2);
const SIZE = 640;
// A pixel differs where a channel differs by more than this.
const CHANNEL = 48;
// The heads-up lines lie in the top 72 rows of a 640-pixel overhead view:
// the second line's raster position is 64 rows down, its descenders 7 below.
const HEADS_UP_ROWS = 80;

// A section cuts the ship alone: the station, at y < 0, stays whole.
// name                      keys                                           share that may differ, section
const SCRIPTS = [
  ['start-up',               '',                                            0.001],
  ['far clip, turned',       'MSSSs<Up><Up>',                               0.001],
  ['tilted, hull, target',   'kx<Insert><Insert><S-Right><S-Right><Home>',  0.001],
  ['world view off: black',  'w',                                           0.001],
  ['cut along, from ahead',  `e${'<S-Right>'.repeat(8)}`,                   0.001,  'y>0'],
  ['overhead',               'o',                                           0.0025],
  ['overhead deck 3 step 21', 'onnnnnnnnnnnnnzjjjjjjjjjjjjjjjjjjjjjkx',    0.0025],
  ['overhead zoomed, moved', 'o<S-PageDown><S-PageDown>x<Left><S-Down>DD',  0.0025],
  ['overhead, the Earth',    'o' + '<S-PageUp>'.repeat(118),                0.0025],  // zoomed out 78,000 times
  ['overhead, cut',          'otk',                                         0.0025, 'z<21.5'],
];

let server, browser;
before(async () => {
  fs.mkdirSync(out, { recursive: true });
  server = await serve(site);
  browser = await open_browser({ width: SIZE, height: SIZE });
});
after(async () => {
  await browser?.close();
  server?.close();
});

// In the page: the pixels of both pictures compared, with the heads-up
// rows apart in overhead.
function compare([ours, theirs, overhead, channel, rows]) {
  const decode = async (url) => {
    const image = new Image();
    image.src = url;
    await image.decode();
    const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
    context.drawImage(image, 0, 0);
    return context.getImageData(0, 0, image.width, image.height);
  };
  return Promise.all([decode(ours), decode(theirs)]).then(([a, b]) => {
    const r = { size: [a.width, a.height, b.width, b.height], differ: 0, counted: 0, lit_theirs: 0, lit_ours: 0,
                text_theirs: 0, text_same: 0 };
    for (let i = 0; i < a.data.length; i += 4) {
      const row = Math.floor(i / 4 / a.width);
      const lit = (d) => d[i] + d[i + 1] + d[i + 2] > 0;
      r.lit_theirs += lit(b.data);
      r.lit_ours += lit(a.data);
      const far = [0, 1, 2].some((c) => Math.abs(a.data[i + c] - b.data[i + c]) > channel);
      if (overhead && row < rows) {
        // The text's pixels: pink or light green in tev's picture.
        const text = (d) => d[i + 1] === 102 && d[i] === 255 || d[i] === 102 && d[i + 1] === 255 && d[i + 2] === 102;
        if (text(b.data)) { r.text_theirs++; r.text_same += !far; }
        continue;
      }
      r.counted++;
      r.differ += far;
    }
    return r;
  });
}

const data_url = (png) => `data:image/png;base64,${png.toString('base64')}`;
const file_name = (name) => name.replace(/[^a-z0-9]+/gi, '-');

test('the page\'s canvas after each key script matches tev-snapshot\'s picture', async () => {
  const report = [];
  for (const [name, keys, share, section] of SCRIPTS) {
    const theirs_file = path.join(out, `${file_name(name)}-tev.png`);
    const cut = section ? ['--section', section] : [];
    execFileSync(snapshot, ['--keys', keys, ...cut, '--size', String(SIZE), '--out', theirs_file]);
    const page = await open_page(browser.context, `${server.url}#panel=0&highlight=0&keys=${encodeURIComponent(keys)}` +
                                                  (section ? `&section=${encodeURIComponent(section)}` : ''));
    const ours = Buffer.from((await page.evaluate(() => document.querySelector('#view canvas').toDataURL()))
      .split(',')[1], 'base64');
    fs.writeFileSync(path.join(out, `${file_name(name)}-page.png`), ours);
    const { perspective_mode } = await page.evaluate(() => window.tev.state().view);
    assert.deepEqual(page.errors, [], name);
    await page.close();

    const r = await browser.context.pages()[0].evaluate(compare, [data_url(ours), data_url(fs.readFileSync(theirs_file)),
                                                                !perspective_mode, CHANNEL, HEADS_UP_ROWS]);
    assert.deepEqual(r.size, [SIZE, SIZE, SIZE, SIZE], name);
    const line = `${name} (keys "${keys}"${section ? `, section ${section}` : ''}): ${r.differ} of ${r.counted} pixels differ by more than ${CHANNEL} ` +
      `(${(100 * r.differ / r.counted).toFixed(3)}%, at most ${100 * share}%)` +
      (perspective_mode ? '' : `; heads-up: ${r.text_same} of tev's ${r.text_theirs} text pixels alike`);
    report.push(line);
    console.log(line);
    assert.ok(r.differ <= share * r.counted, line);
    if (r.lit_theirs === 0) assert.equal(r.lit_ours, 0, `${name}: tev draws black, the page ${r.lit_ours} lit pixels`);
    if (!perspective_mode) assert.ok(r.text_theirs > 500 && r.text_same >= 0.95 * r.text_theirs, line);
  }
  fs.writeFileSync(path.join(out, 'parity.txt'), report.join('\n') + '\n');
});

// In the page: the bounds of the canvas's pixels that are not black.
function lit_bounds() {
  const canvas = document.querySelector('#view canvas');
  const context = new OffscreenCanvas(canvas.width, canvas.height).getContext('2d');
  context.drawImage(canvas, 0, 0);
  const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
  const box = { left: Infinity, top: Infinity, right: -1, bottom: -1, width: canvas.width, height: canvas.height };
  for (let i = 0; i < data.length; i += 4) {
    if (data[i] + data[i + 1] + data[i + 2] === 0) continue;
    const x = (i / 4) % canvas.width, y = Math.floor(i / 4 / canvas.width);
    Object.assign(box, { left: Math.min(box.left, x), right: Math.max(box.right, x),
                         top: Math.min(box.top, y), bottom: Math.max(box.bottom, y) });
  }
  return box;
}

test('a view that is not square shows the whole of tev\'s square across its shorter side', async () => {
  const ship_alone = `#panel=0&highlight=0&keys=${encodeURIComponent('ef')}`;  // no Earth, no station
  const bounds_in = async (viewport) => {
    const page = await open_page(browser.context, server.url + ship_alone, viewport);
    const box = await page.evaluate(lit_bounds);
    await page.close();
    return box;
  };
  const square = await bounds_in(null);
  for (const viewport of [{ width: 1000, height: 800 }, { width: 390, height: 844 }]) {
    const box = await bounds_in(viewport);
    // Back into tev's 640-pixel square, which sits in the middle of the view.
    const side = Math.min(box.width, box.height), scale = SIZE / side;
    const x = (v) => (v - (box.width - side) / 2) * scale, y = (v) => (v - (box.height - side) / 2) * scale;
    const mapped = [x(box.left), y(box.top), x(box.right), y(box.bottom)];
    const expected = [square.left, square.top, square.right, square.bottom];
    assert.ok(mapped.every((v, i) => Math.abs(v - expected[i]) <= 4),
              `${JSON.stringify(viewport)}: the ship at ${mapped.map(Math.round)}, in the square at ${expected}`);
  }
});

test('drags, an orbit, the wheel and a pinch change only the camera\'s fields, and their link reopens the same picture',
     async () => {
  const page = await open_page(browser.context, `${server.url}#panel=0&highlight=0`);
  const view = async () => (await page.evaluate(() => window.tev.state())).view;
  const drag = async (dx, dy, shift = false) => {
    if (shift) await page.keyboard.down('Shift');
    await page.mouse.move(320, 320);
    await page.mouse.down();
    await page.mouse.move(320 + dx, 320 + dy, { steps: 4 });
    await page.mouse.up();
    if (shift) await page.keyboard.up('Shift');
  };
  const changed = (a, b) => Object.keys(a).filter((k) => a[k] !== b[k]).sort();
  const camera_floats = (v) => ['cam_x', 'cam_y', 'cam_z', 'zoom', 'view_angle', 'view_pitch']
    .every((k) => Number.isFinite(v[k]) && Math.fround(v[k]) === v[k]);

  const start = await view();
  await drag(-64, 32);
  const turned = await view();
  assert.deepEqual(changed(start, turned), ['view_angle', 'view_pitch']);
  // The scene follows the pointer: a drag to the left turns the heading up,
  // the 640 pixels of the view spanning 60 degrees.
  assert.ok(Math.abs(turned.view_angle - (start.view_angle + 64 * 60 / 640)) < 1e-3, `heading ${turned.view_angle}`);
  await drag(100, 0, true);
  const orbited = await view();
  assert.deepEqual(changed(turned, orbited), ['cam_x', 'cam_y', 'view_angle']);
  await page.mouse.wheel(0, -200);
  await page.waitForFunction((y) => window.tev.state().view.cam_y !== y, orbited.cam_y);
  assert.deepEqual(changed(orbited, await view()), ['cam_x', 'cam_y']);
  await page.keyboard.press('o');
  const overhead = await view();
  await drag(40, -40);
  await page.mouse.wheel(0, 300);
  await page.waitForFunction((z) => window.tev.state().view.zoom !== z, overhead.zoom);
  const moved = await view();
  assert.deepEqual(changed(overhead, moved), ['cam_x', 'cam_y', 'zoom']);
  assert.ok(moved.cam_x < overhead.cam_x && moved.cam_y < overhead.cam_y && moved.zoom > overhead.zoom);
  assert.ok(camera_floats(moved));
  // Two fingers spread from 40 to 160 pixels apart: the picture four times as large.
  const pinched = await page.evaluate(() => {
    const canvas = document.querySelector('#view canvas');
    const touch = (type, id, x) => canvas.dispatchEvent(new PointerEvent(type,
      { pointerId: id, clientX: x, clientY: 300, pointerType: 'touch', bubbles: true }));
    touch('pointerdown', 1, 300); touch('pointerdown', 2, 340);
    touch('pointermove', 2, 400); touch('pointermove', 1, 240);
    touch('pointerup', 1, 240); touch('pointerup', 2, 400);
    return window.tev.state().view;
  });
  assert.deepEqual(changed(moved, pinched), ['zoom']);
  assert.ok(Math.abs(pinched.zoom * 4 / moved.zoom - 1) < 1e-5, `zoom ${moved.zoom} to ${pinched.zoom}`);

  await page.waitForFunction(() => location.hash.includes('perspective_mode=0'));
  await page.waitForTimeout(400);  // the address follows a few times a second
  const canvas = (p) => p.evaluate(() => document.querySelector('#view canvas').toDataURL());
  const reopened = await open_page(browser.context, await page.evaluate(() => location.href));
  assert.deepEqual((await reopened.evaluate(() => window.tev.state())).view, pinched);
  assert.equal(await canvas(reopened), await canvas(page), 'the same picture');

  // The wheel zooms in overhead down to a box a fiftieth of a deck across.
  await page.mouse.wheel(0, -20000);
  await page.waitForFunction(() => window.tev.state().view.zoom < 1);
  assert.equal((await view()).zoom, Math.fround(0.05));
  await Promise.all([page.close(), reopened.close()]);
});
