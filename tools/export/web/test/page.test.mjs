// The page tev-export --web writes, in headless Chromium:
//   node test/page.test.mjs SITE_DIR VIEWER_OVERHEAD.png SCREENSHOT.png
// SITE_DIR holds the whole ship with the script's counter 140 and all decks;
// VIEWER_OVERHEAD.png is tev-snapshot's overhead picture of it.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { serve, open_browser, open_page } from './browser.mjs';

const [site, overhead, screenshot] = process.argv.slice(2);
let server, browser, page;

before(async () => {
  server = await serve(site);
  browser = await open_browser();
  page = await open_page(browser.context, server.url);
});
after(async () => {
  await browser?.close();
  server?.close();
});

const state = () => page.evaluate(() => window.tev.state());
const slide_to = (n) => page.$eval('#counter', (slider, n) => {
  slider.value = n;
  slider.dispatchEvent(new Event('input'));
}, n);
const range = (n) => [...Array(n).keys()];

test('the model loads with 139 block nodes, all shown, and the heads-up line reads "dck 16 140 blx"', async () => {
  const s = await state();
  assert.equal(s.block_nodes, 139);
  assert.deepEqual(s.visible, range(139));
  assert.equal(s.hud, 'dck 16 140 blx');
  assert.equal(s.tubes_shown, false);
});

test('the slider at 21 leaves exactly the first 21 blocks shown, and the keys Z H J A move the counter', async () => {
  await slide_to(21);
  let s = await state();
  assert.deepEqual(s.visible, range(21));
  assert.equal(s.hud, 'dck 16 21 blx');

  const after_keys = async (keys) => {
    for (const key of keys) await page.keyboard.press(key);
    const { counter, visible, tubes_shown } = await state();
    return { counter, shown: visible.length, tubes_shown };
  };
  assert.deepEqual(await after_keys('zh'), { counter: 0, shown: 0, tubes_shown: true });
  assert.deepEqual(await after_keys('j'), { counter: 1, shown: 1, tubes_shown: true });
  await slide_to(16);
  assert.deepEqual(await after_keys('j'), { counter: 17, shown: 17, tubes_shown: false });
  assert.deepEqual(await after_keys('h'), { counter: 16, shown: 16, tubes_shown: true });
  assert.deepEqual(await after_keys('aj'), { counter: 140, shown: 139, tubes_shown: false });
});

test('deck index 3 leaves its 27 blocks, and U, N, L cycle the decks as the viewer does', async () => {
  await page.selectOption('#deck', '3');
  const s = await state();
  const on_deck_3 = (await page.evaluate(() => window.tev.blocks()))
    .filter((b) => b.deck_index === 3).map((b) => b.position);
  assert.equal(on_deck_3.length, 27);
  assert.deepEqual(s.visible, on_deck_3);
  assert.equal(s.hud, 'dck 3 140 blx');

  const decks = [];
  for (const key of 'lnuuuhnl') {
    await page.keyboard.press(key);
    decks.push((await state()).deck);
  }
  assert.deepEqual(decks, [16, 15, 16, 0, 1, 1, 0, 16]);
});

test('with the bridge\'s deck shown, the pointer at the centre of BL_shbridge names it', async () => {
  const bridge = (await page.evaluate(() => window.tev.blocks())).find((b) => b.name === 'BL_shbridge');
  await page.evaluate((deck) => window.tev.set({ deck }), bridge.deck_index);
  const point = await page.evaluate(() => window.tev.screen_point('BL_shbridge'));
  await page.mouse.move(point.x, point.y);
  await page.waitForFunction(() => document.getElementById('picked').textContent !== '');
  assert.match(await page.textContent('#picked'),
               new RegExp(`^BL_shbridge .*deck index ${bridge.deck_index} \\(deck ${22 - bridge.deck_index}\\).*position ${bridge.position}$`));
  assert.equal(await page.evaluate(() => window.tev.pick(2, window.innerHeight - 2)), null);
  await page.evaluate(() => window.tev.set({ deck: 16 }));
});

// Counts the pixels of each colour of a PNG, decoded by the browser.
function colours_of(png) {
  return page.evaluate(async (url) => {
    const image = new Image();
    image.src = url;
    await image.decode();
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const data = context.getImageData(0, 0, image.width, image.height).data;
    const counts = {};
    for (let i = 0; i < data.length; i += 4) {
      const key = `${data[i]},${data[i + 1]},${data[i + 2]}`;
      counts[key] = (counts[key] || 0) + 1;
    }
    return { pixels: image.width * image.height, counts };
  }, `data:image/png;base64,${png.toString('base64')}`);
}

test('the loaded page shows the colours of the viewer\'s overhead picture on black', async () => {
  await page.evaluate(() => {
    window.tev.set({ counter: 140, deck: 16 });
    document.getElementById('panel').hidden = true;
  });
  const shot = await page.screenshot({ path: screenshot });
  await page.evaluate(() => { document.getElementById('panel').hidden = false; });
  const viewer = await colours_of(fs.readFileSync(overhead));
  const ours = await colours_of(shot);

  const black = ours.counts['0,0,0'] || 0;
  assert.ok(black > ours.pixels * 0.3, `black covers ${black} of ${ours.pixels} pixels`);
  const near = (rgb) => {
    const [r, g, b] = rgb.split(',').map(Number);
    return Object.entries(ours.counts).reduce((sum, [key, n]) => {
      const [r2, g2, b2] = key.split(',').map(Number);
      return Math.max(Math.abs(r - r2), Math.abs(g - g2), Math.abs(b - b2)) <= 3 ? sum + n : sum;
    }, 0);
  };
  // The viewer's two commonest colours but black: the ceilings' grey and the disc deck's magenta.
  const main_colours = Object.entries(viewer.counts).filter(([rgb]) => rgb !== '0,0,0')
    .sort((a, b) => b[1] - a[1]).slice(0, 2).map(([rgb]) => rgb);
  for (const rgb of main_colours)
    assert.ok(near(rgb) > ours.pixels * 0.001, `the viewer's colour ${rgb} covers ${near(rgb)} pixels of the page`);
});
