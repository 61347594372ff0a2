// The page opened from disk (file://), as a double-click opens it, in headless
// Chromium: the site tev-export --web writes, the one file --html writes, a
// site without its view (ship.js) and one whose viewer is damaged.
//   node test/disk.test.mjs SITE_DIR ONE_FILE.html
// SITE_DIR holds the whole ship; ONE_FILE.html the whole ship with hull and
// target (--keys kx).
import { test, before, after } from './timed.mjs';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import zlib from 'node:zlib';
import { open_browser, open_page } from './browser.mjs';

const [site, one_file] = process.argv.slice(2);
let browser;
before(async () => { browser = await open_browser(); });
after(async () => { await browser?.close(); });

async function shows_the_whole_ship(file) {
  const requests = [];
  const record = (request) => requests.push(request.url());
  browser.context.on('request', record);
  const page = await open_page(browser.context, pathToFileURL(file).href);
  browser.context.off('request', record);
  const { block_nodes, visible, hud } = await page.evaluate(() => window.tev.state());
  assert.deepEqual({ block_nodes, shown: visible.length, hud }, { block_nodes: 139, shown: 139, hud: 'dck 16 140 blx' });
  await page.close();
  return requests;
}

test('the site\'s index.html opened from disk shows the whole ship', async () => {
  await shows_the_whole_ship(path.join(site, 'index.html'));
});

test('the one file of the whole ship with hull and target, at most 1,000,000 bytes, shows it from disk alone',
     async () => {
  const size = fs.statSync(one_file).size;
  assert.ok(size <= 1000000, `${one_file} is ${size} bytes`);
  assert.deepEqual(await shows_the_whole_ship(one_file), [pathToFileURL(one_file).href]);
});

test('a link into the one file, in the earlier fields with a key script, opens at the view it names', async () => {
  const page = await open_page(browser.context, `${pathToFileURL(one_file).href}#counter=21&deck=3&hull=0&keys=o`);
  const { hud, view } = await page.evaluate(() => window.tev.state());
  assert.deepEqual({ hud, hull: view.show_hull, perspective_mode: view.perspective_mode },
                   { hud: 'dck 3 21 blx', hull: 0, perspective_mode: 0 });
  await page.close();
});

// A copy of the site with app.js and ship.js as given (null: none).
function site_with(app, view) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'tev-page-'));
  for (const file of ['index.html', 'style.css']) fs.copyFileSync(path.join(site, file), path.join(dir, file));
  fs.writeFileSync(path.join(dir, 'app.js'), app);
  if (view !== null) fs.writeFileSync(path.join(dir, 'ship.js'), view);
  return dir;
}

test('without its view the page opens at tev\'s start-up view; a damaged viewer gives a plain message within seconds',
     async () => {
  const app = fs.readFileSync(path.join(site, 'app.js'), 'utf8');
  const packed = /window\.tev_wasm = "([^"]*)"/.exec(app);
  const middle = packed.index + (packed[0].length >> 1);
  const not_wasm = `window.tev_wasm = "${zlib.deflateSync('not a module').toString('base64')}"`;
  const cases = [  // what is wrong, app.js, the page's message (null: it loads)
    ['no view', app, null],
    ['damaged', app.slice(0, middle) + 'A'.repeat(400) + app.slice(middle + 400), /the viewer in this page is damaged/],
    ['not a module', app.replace(packed[0], not_wasm), /the viewer in this page is damaged/],
  ];
  for (const [name, script, message] of cases) {
    const dir = site_with(script, null);
    const page = await browser.context.newPage();
    await page.goto(pathToFileURL(path.join(dir, 'index.html')).href);
    await page.waitForSelector('body[data-loaded]', { timeout: 10000 });
    if (message) {
      assert.equal(await page.getAttribute('body', 'data-loaded'), 'failed', name);
      assert.match(await page.textContent('#status'), message, name);
    } else {
      assert.equal(await page.getAttribute('body', 'data-loaded'), 'true', name);
      assert.equal((await page.evaluate(() => window.tev.state())).view.show_station, 1, name);
    }
    await page.close();
    fs.rmSync(dir, { recursive: true });
  }
});
