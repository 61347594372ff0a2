// The page's view state against tev's, in headless Chromium:
//   node test/keys.test.mjs SITE_DIR TEV_EXPORT
// SITE_DIR holds the page at tev's start-up view (tev-export --web). Random
// key scripts, drawn from the whole of tev's key space as tev-export --help
// lists it (every printable character, every special key with and without
// Shift, every menu value and some that are none), go to the page as keys=
// and to tev-export --keys, whose model carries tev's view state after them;
// malformed favview.sav texts are restored by F5 in the page and by
// tev-export --keys '<F5>' beside the same file. Both must agree, field for
// field.
import { test, before, after } from './timed.mjs';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { serve, open_browser, open_page } from './browser.mjs';

const [site, tev_export] = process.argv.slice(2);
const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'tev-keys-'));
process.on('exit', () => fs.rmSync(dir, { recursive: true, force: true }));
let server, browser, page, start;

before(async () => {
  server = await serve(site);
  browser = await open_browser({ width: 640, height: 640 });
  page = await open_page(browser.context, `${server.url}#panel=0`);
  start = (await page.evaluate(() => window.tev.state())).view;
});
after(async () => {
  await browser?.close();
  server?.close();
});

// tev's view state after the script, typed in `cwd`; fields that are not
// finite are left out of the model.
function tev_view(script, cwd = dir) {
  const out = path.join(cwd, 'ship.gltf');
  const run = spawnSync(tev_export, ['--keys', script, '--out', out], { cwd, encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
  const gltf = JSON.parse(fs.readFileSync(out, 'utf8'));
  return gltf.nodes[gltf.scenes[0].nodes[0]].extras.view_state;
}

// The page's fields, those that are not finite as null.
const page_view = (view) => Object.fromEntries(Object.entries(view).map(([k, v]) => [k, Number.isFinite(v) ? v : null]));
const with_nulls = (tev) => Object.fromEntries(Object.keys(start).map((k) => [k, tev[k] ?? null]));

// The key space, from tev-export's own help: the special keys' names and
// the menu's values, and every printable character; quit keys are refused.
function key_space() {
  const help = spawnSync(tev_export, ['--help'], { encoding: 'utf8' }).stdout;
  const part = (from, to) => help.slice(help.indexOf(from), help.indexOf(to));
  const specials = [...part('a special key:', '<S-Name>').matchAll(/<([A-Za-z0-9]+)>/g)].map((m) => m[1]);
  const menu = [...part('entry of value N:', '<lt>').matchAll(/(-?\d+) [A-Z]/g)].map((m) => Number(m[1]));
  assert.ok(specials.includes('PageUp') && specials.includes('F5') && menu.includes(9), 'the help lists the keys');
  const printable = Array.from({ length: 95 }, (_, i) => String.fromCharCode(32 + i))
    .filter((c) => !'Qq<'.includes(c));
  return [...printable, '<lt>', ...specials.flatMap((n) => [`<${n}>`, `<S-${n}>`]),
          ...[...menu, 0, 1, 2, 10, -4].map((v) => `<menu:${v}>`)];
}

// A small seeded generator, so that a failure comes back on the next run.
function random(seed) {
  return () => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed / 2147483648;
  };
}

test('random key scripts over tev\'s whole key space leave the page\'s view state equal to tev\'s', async () => {
  const items = key_space(), next = random(27);
  for (let n = 0; n < 16; n++) {
    let script = '';
    // Runs of one item now and then, so that floats travel far from their defaults.
    for (let i = 0; i < 80; i++) script += items[Math.floor(next() * items.length)].repeat(next() < 0.1 ? 25 : 1);
    const ours = await page.evaluate(([view, keys]) => {
      window.tev.set(view);
      return window.tev.link(`#keys=${encodeURIComponent(keys)}`);
    }, [start, script]);
    assert.equal(ours.status.startsWith('keys= ignored'), false, ours.status);
    assert.deepEqual(page_view(ours.view), with_nulls(tev_view(script)), script);
  }
});

// name                          favview.sav's text
const FAVOURITES = [
  ['a line that does not read',  '-\n7\n2.5.5\n-.5e1 0x1p4'],
  ['hex floats',                 '1\n0\n0x1p4\n0x1.8p1\n-0x10\n0x.8p0\n1\n0x5Ap0\n0x1p-2\n'],
  ['inf and nan',                '0\n1\ninf\n-INF\nnan\n3\n3\ninfinity\nnan(x1)\n'],
  ['CRLF',                       '1\r\n0\r\n64\r\n10\r\n20\r\n30\r\n31\r\n45\r\n0.5\r\n'],
  ['all nine on one line',       '1 1 32 1 2 3 4 5 6'],
  ['blank lines',                '\n\n1\n\n0\n\n200\n1\n\n2\n3\n4\n5\n6\n'],
  ['numbers followed by letters', '1abc\n0\n12xyz\n5\n'],
  ['out of range',               '99999999999\n0\n1e39\n-1e39\n1e-50\n3\n4\n5\n6\n'],
  ['empty',                      ''],
];

test('F5 restores from malformed favview.sav texts exactly what tev restores', async () => {
  for (const [name, text] of FAVOURITES) {
    const cwd = fs.mkdtempSync(path.join(dir, 'fav-'));
    fs.writeFileSync(path.join(cwd, 'favview.sav'), text);
    const tev = tev_view('<F5>', cwd);
    const ours = await page.evaluate(async ([view, saved]) => {
      window.tev.set(view);
      localStorage.setItem(`tev favourite view ${location.pathname}`, saved);
      return window.tev.state();
    }, [start, text]);
    assert.equal(ours.view.zoom, start.zoom);
    await page.focus('#view');
    await page.keyboard.press('F5');
    const after_f5 = await page.evaluate(() => window.tev.state().view);
    assert.deepEqual(page_view(after_f5), with_nulls(tev), name);
    // The case that once went wrong: tev reads on past the line it cannot.
    if (name === 'a line that does not read') assert.deepEqual([after_f5.far_clip, after_f5.zoom], [7, 2.5]);
  }
  // F6 keeps tev's nine lines byte for byte: its writer's text for the view.
  const kept = await page.evaluate(() => {
    window.tev.menu(4);  // Toggle View: overhead, whose zoom and camera differ from the start's
    window.tev.set({ cam_x: 1 / 3, zoom: 1e7 });
    return window.tev.favourite_text();
  });
  await page.focus('#view');
  await page.keyboard.press('F6');
  assert.equal(await page.evaluate(() => localStorage.getItem(`tev favourite view ${location.pathname}`)), kept);
  assert.equal(kept, '1\n0\n1e+07\n0.333333\n0\n60\n60\n110\n0\n');
});
