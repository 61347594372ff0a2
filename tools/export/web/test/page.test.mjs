// The page tev-export --web writes, in headless Chromium:
//   node test/page.test.mjs SITE_DIR VIEWER_OVERHEAD.png SCREENSHOT.png PARTS.csv
// SITE_DIR holds the whole ship with the script's counter 140 and all decks;
// VIEWER_OVERHEAD.png is tev-snapshot's overhead picture of it, PARTS.csv
// tev-export's parts list of it.
import { test, before, after } from './timed.mjs';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import { serve, open_browser, open_page } from './browser.mjs';

const [site, overhead, screenshot, parts] = process.argv.slice(2);
const require_resolve = createRequire(import.meta.url).resolve;
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
// tev's letter keys act from anywhere on the page, its other keys on the view.
const press_on_view = async (p, keys) => {
  await p.focus('#view');
  for (const key of keys) await p.keyboard.press(key);
};
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
    const { view, visible, tubes_shown } = await state();
    return { counter: view.blocks_shown, shown: visible.length, tubes_shown };
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
    decks.push((await state()).view.deck_shown);
  }
  assert.deepEqual(decks, [16, 15, 16, 0, 1, 1, 0, 16]);
});

test('with the bridge\'s deck shown overhead, the pointer at the centre of BL_shbridge names it', async () => {
  const bridge = (await page.evaluate(() => window.tev.blocks())).find((b) => b.name === 'BL_shbridge');
  await page.keyboard.press('o');
  await page.evaluate((deck) => window.tev.set({ deck_shown: deck }), bridge.deck_index);
  const point = await page.evaluate(() => window.tev.screen_point('BL_shbridge'));
  await page.mouse.move(point.x, point.y);
  await page.waitForFunction(() => document.getElementById('picked').textContent !== '');
  assert.match(await page.textContent('#picked'),
               new RegExp(`^BL_shbridge .*deck index ${bridge.deck_index} \\(deck ${22 - bridge.deck_index}\\).*position ${bridge.position}$`));
  assert.equal(await page.evaluate(() => window.tev.pick(2, window.innerHeight - 2)), null);
  await page.evaluate(() => window.tev.set({ deck_shown: 16 }));
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
  await page.keyboard.press('o');
  await page.evaluate(() => {
    window.tev.set({ blocks_shown: 140, deck_shown: 16 });
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

// The view's own pixels (the panel hidden), as PNG bytes.
async function view_picture(p = page) {
  await p.evaluate(() => {
    document.activeElement.blur();
    document.getElementById('panel').hidden = true;
  });
  const png = await p.locator('#view canvas').screenshot();
  await p.evaluate(() => { document.getElementById('panel').hidden = false; });
  return png;
}
const same_view = ({ view, highlight, xray, hud, link }) => ({ view, highlight, xray, hud, link });
// The page writes its address at most every quarter of a second.
const settled_link = (p) => p.waitForTimeout(400);

test('the view is reached with Tab, moved by tev\'s keys, and a link to it reopens the same picture', async () => {
  const fresh = await open_page(browser.context, server.url);
  for (let i = 0; i < 3 && await fresh.evaluate(() => document.activeElement.id) !== 'view'; i++)
    await fresh.keyboard.press('Tab');
  assert.deepEqual(await fresh.$eval(':focus', (e) => [e.id, e.getAttribute('role'), e.getAttribute('aria-label')]),
                   ['view', 'application', 'the starship']);
  await fresh.keyboard.press('j');
  await fresh.evaluate(() => window.tev.set({ blocks_shown: 60, deck_shown: 5, show_ceilings: 0 }));
  for (const key of ['ArrowLeft', 'ArrowUp', 'Shift+ArrowRight', 'Shift+End', 'd', 'S', 'Insert', 'PageUp'])
    await fresh.keyboard.press(key);
  await settled_link(fresh);
  const link = (await fresh.evaluate(() => window.tev.state())).link;
  assert.match(link, /^#show_station=1&.*&blocks_shown=60&deck_shown=5&show_ceilings=0&.*&cam_x=-246.5&cam_y=20.5&cam_z=6&view_angle=101&view_pitch=-0.01&highlight=1&xray=0&panel=1$/);

  const reopened = await open_page(browser.context, server.url + link);
  assert.deepEqual(same_view(await reopened.evaluate(() => window.tev.state())),
                   same_view(await fresh.evaluate(() => window.tev.state())));
  assert.ok((await view_picture(reopened)).equals(await view_picture(fresh)), 'the reopened link draws the same picture');
  await Promise.all([fresh.close(), reopened.close()]);
});

test('malformed or hostile fragment fields are ignored one by one, and a refused key script whole', async () => {
  const fragments = ['#counter=999&deck=-1&hull=yes&ceilings=0&camera=1,2,3&cam_x=1e99&zoom=NaN',
                     '#counter=1e2&deck=3.5&show_ceilings=0&xray=<img src=x onerror=alert(1)>&camera=NaN,0,0,0,0,0',
                     '#%E0%A4%A&&&=&counter&ceilings=0&camera=1,1,1,1,1,1&blocks_shown=141&perspective_mode=2',
                     '#show_ceilings=0&keys=jj<F6>', '#show_ceilings=0&keys=<Lef>t', '#show_ceilings=0&section=x%3C1e999'];
  const plain = await open_page(browser.context, server.url);
  const start = await plain.evaluate(() => window.tev.state().view);
  await plain.close();
  for (const fragment of fragments) {
    const p = await open_page(browser.context, server.url + fragment);
    const s = await p.evaluate(() => window.tev.state());
    assert.deepEqual({ ...s.view, xray: s.xray, section: s.section }, { ...start, show_ceilings: 0, xray: false, section: null },
                     fragment);
    assert.deepEqual(p.errors, [], fragment);
    if (fragment.includes('keys=')) assert.match(s.status, /^keys= ignored: (the script would overwrite|unknown key name)/);
    if (!fragment.includes('section=')) await p.close();
  }
  // The last page, uncut, given planes that do not read, one by one.
  const p = browser.context.pages().at(-1);
  for (const plane of ['w<0', 'x<', 'x<abc', 'x=5', 'x<nan', '', 'x<0x10', 'x<1<2', '<img src=x>']) {
    await p.evaluate((fragment) => { location.hash = fragment; }, `#section=${encodeURIComponent(plane)}&blocks_shown=9`);
    await p.waitForFunction(() => window.tev.state().view.blocks_shown === 9);
    assert.equal((await p.evaluate(() => window.tev.state())).section, null, plane);
    await p.evaluate(() => window.tev.set({ blocks_shown: 140 }));
  }
  assert.deepEqual(p.errors, []);
  await p.close();
  // A zoom that tev reaches only after some thousand presses of Page Down
  // puts the heads-up lines far off the view; the page still draws.
  const tiny = await open_page(browser.context, `${server.url}#perspective_mode=0&zoom=1e-44`);
  assert.deepEqual(tiny.errors, []);
  await tiny.close();
});

test('the live region announces each change of counter and deck, and ? lists every key', async () => {
  const blocks = await page.evaluate(() => window.tev.blocks());
  const announced = async (key) => { await page.keyboard.press(key); return page.textContent('#announce'); };
  const b = blocks.find((x) => x.name.startsWith('BL_'));
  await page.evaluate((counter) => window.tev.set({ blocks_shown: counter, deck_shown: 16 }), b.position);
  assert.equal(await announced('j'),
               `block ${b.position + 1} of 139: ${b.name}, deck ${22 - b.deck_index} (index ${b.deck_index})`);
  assert.equal(await announced('z'), 'no blocks');
  assert.equal(await announced('n'), 'deck 7 (index 15) shown');
  await page.keyboard.press('l');

  await page.keyboard.press('?');
  assert.ok(await page.$eval('#help', (d) => d.open));
  const listed = await page.$$eval('#help-keys tr', (rows) => rows.map((r) => r.cells[0].textContent));
  for (const key of ['Z', 'S', 's', 'Space', 'G', 'R', '←', 'Page Up', 'F5', 'Insert', '?', 'Esc']) assert.ok(listed.includes(key), key);
  await page.keyboard.press('Escape');
  assert.equal(await page.$eval('#help', (d) => d.open), false);
});

test('panel=0 leaves only the button that shows the panel again over the view', async () => {
  const p = await open_page(browser.context, `${server.url}#panel=0`);
  const shown = () => p.$$eval('#panel *', (all) => all.filter((e) => !e.children.length && e.checkVisibility())
    .map((e) => e.id || e.tagName));
  assert.deepEqual(await shown(), ['collapse']);
  await p.click('#collapse');
  await settled_link(p);
  assert.ok((await shown()).includes('counter'));
  assert.match((await p.evaluate(() => window.tev.state())).link, /&panel=1$/);
  await p.close();
});

test('keys typed on the view give the same view and picture as the same keys= in a link', async () => {
  const cases = [  // keys typed, the same as a key script
    [['o', 'Shift+PageDown', 'ArrowLeft', 'Home', 't', 'n', 'h', 'k', 'x', 'D', 'd'], 'o<S-PageDown><Left><Home>tnhkxDd'],
    [['Shift+ArrowLeft', 'Shift+ArrowDown', 'S', 's', 'Shift+Insert', 'Shift+Insert', 'e', 'w', 'm', 'u', 'J'],
     '<S-Left><S-Down>Ss<S-Insert><S-Insert>ewmuJ'],
  ];
  for (const [keys, script] of cases) {
    const typed = await open_page(browser.context, server.url);
    await press_on_view(typed, keys);
    const linked = await open_page(browser.context, `${server.url}#keys=${encodeURIComponent(script)}`);
    assert.deepEqual((await linked.evaluate(() => window.tev.state())).view,
                     (await typed.evaluate(() => window.tev.state())).view, script);
    assert.ok((await view_picture(linked)).equals(await view_picture(typed)), `the same picture: ${script}`);
    await Promise.all([typed.close(), linked.close()]);
  }
});

test('F6 keeps the view in the browser and F5 brings it back after V; with nothing kept F5 resets; F5 never reloads',
     async () => {
  const p = await open_page(browser.context, server.url);
  const view = async () => (await p.evaluate(() => window.tev.state())).view;
  await p.evaluate(() => { window.still_here = true; });
  const start = await view();
  await press_on_view(p, ['Shift+ArrowLeft', 'Insert', 'F5']);
  assert.deepEqual(await view(), { ...start, view_pitch: Math.fround(-0.01) }, 'F5 with nothing kept resets the camera');
  await press_on_view(p, ['Shift+ArrowLeft', 'PageUp', 'm', 'd']);
  const kept = await view();
  await press_on_view(p, ['F6', 'v', 'ArrowUp', 'F1', 'm']);
  assert.notDeepEqual(await view(), kept);
  await press_on_view(p, ['F5']);
  assert.deepEqual(await view(), kept);
  assert.ok(await p.evaluate(() => window.still_here), 'F5 did not reload the page');
  await p.close();
});

test('from deck 3 "#deck=17" leaves deck 3; a pick under x-ray is null or on the shown deck; the mark is on block counter - 1',
     async () => {
  const blocks = await page.evaluate(() => window.tev.blocks());
  await page.keyboard.press('o');
  await page.evaluate(() => window.tev.set({ blocks_shown: 140, deck_shown: 3, highlight: true, xray: false }));
  await page.evaluate(() => { location.hash = '#deck=17'; });
  await page.waitForFunction(() => !location.hash.startsWith('#deck=17'));
  assert.equal((await state()).view.deck_shown, 3);

  const alone = await view_picture();
  await page.keyboard.press('r');
  assert.equal((await state()).xray, true);
  assert.ok(!alone.equals(await view_picture()), 'R changes the picture');
  for (const other of blocks.filter((x) => x.deck_index === 4).slice(0, 5)) {
    const point = await page.evaluate((name) => window.tev.screen_point(name), other.name);
    const picked = await page.evaluate(({ x, y }) => window.tev.pick(x, y), point);
    assert.ok(picked === null || blocks.find((x) => x.name === picked).deck_index === 3, `${other.name}: ${picked}`);
  }

  await page.evaluate(() => window.tev.set({ blocks_shown: 21, deck_shown: 16, xray: false }));
  assert.deepEqual((await state()).marked, [20]);
  const b = blocks[20];  // a block without a name of its own
  assert.equal((await state()).newest,
               `newest: #20 · ${b.routine} · deck index ${b.deck_index} (deck ${22 - b.deck_index})`);
  const marked = await view_picture();
  await page.keyboard.press('g');
  assert.deepEqual([(await state()).highlight, (await state()).marked], [false, []]);
  assert.ok(!marked.equals(await view_picture()), 'G changes the picture');
  await page.evaluate(() => window.tev.set({ blocks_shown: 140, highlight: true }));
});

test('a block found by name, by keys or by a click in the list, gives the counter and deck of the parts list', async () => {
  const rows = fs.readFileSync(parts, 'utf8').trim().split('\n').map((line) => line.split(','));
  const column = Object.fromEntries(rows[0].map((name, i) => [name, i]));
  const listed = (name) => {
    const row = rows.find((r) => r[column.name] === name);
    return { counter: Number(row[column.position]) + 1, deck: Number(row[column.deck_index]) };
  };
  const chosen = async () => {
    const s = await state();
    return { counter: s.view.blocks_shown, deck: s.view.deck_shown, marked: s.marked, highlight: s.highlight };
  };
  const field = page.locator('#find');
  await page.evaluate(() => window.tev.set({ highlight: false }));
  await page.keyboard.press('/');
  await page.keyboard.type('cq19');
  const options = await page.$$eval('#find-list [role=option]', (all) => all.map((o) => o.textContent));
  assert.ok(options.length > 2 && options.every((o) => /^BL_cq19_\d+ · deck 19 · step \d+$/.test(o)), options.join('; '));
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('ArrowDown');
  const active = await field.getAttribute('aria-activedescendant');
  assert.equal(await page.$eval(`#${active}`, (o) => o.getAttribute('aria-selected')), 'true');
  const second = options[1].split(' ')[0];
  await page.keyboard.press('Enter');
  const expected = listed(second);
  assert.deepEqual(await chosen(), { ...expected, marked: [expected.counter - 1], highlight: true });
  assert.equal(await field.getAttribute('aria-expanded'), 'false');
  assert.match(await page.textContent('#announce'), new RegExp(`^found ${second}: block ${expected.counter} of 139, deck 19`));

  await field.fill('');
  await field.pressSequentially('SHbrid');
  await page.click('#find-list [role=option] >> nth=0');
  const bridge = listed('BL_shbridge');
  assert.deepEqual(await chosen(), { ...bridge, marked: [bridge.counter - 1], highlight: true });
  await field.pressSequentially('x');  // no name holds it: no list
  assert.equal(await field.getAttribute('aria-expanded'), 'false');
  await field.fill('BL_');
  assert.equal(await field.getAttribute('aria-expanded'), 'true');
  await page.keyboard.press('Escape');
  assert.equal(await field.getAttribute('aria-expanded'), 'false');
  await page.keyboard.press('Escape');
  assert.equal(await field.inputValue(), '');
  await page.evaluate(() => window.tev.set({ blocks_shown: 140, deck_shown: 16 }));
});

test('two clicks on the floor of one deck overhead measure its horizontal distance, to a pixel\'s worth', async () => {
  const p = await open_page(browser.context, `${server.url}#keys=${encodeURIComponent('ot<S-PageDown><S-PageDown>nnnnnnnnnnnn')}`);
  const words = () => p.textContent('#announce');
  await p.click('#measure');
  assert.equal(await p.getAttribute('#measure', 'aria-pressed'), 'true');
  const [a, b] = await p.evaluate(() => ['BL_corr18_00', 'BL_corr18_02'].map((name) => window.tev.screen_point(name)));
  await p.mouse.click(a.x, a.y);
  assert.match(await words(), /^first point x [\d.-]+, y [\d.-]+, z 10\.\d; pick the second$/);
  await p.mouse.click(b.x, b.y);
  const { view } = await p.evaluate(() => window.tev.state());
  const canvas = await p.$eval('#view canvas', (c) => c.getBoundingClientRect());
  const pixel = 2 * view.zoom / Math.min(canvas.width, canvas.height);
  const expected = Math.hypot(b.x - a.x, b.y - a.y) * pixel;
  const m = /^distance ([\d.]+) \(x ([\d.-]+), y ([\d.-]+), z 0\.0\) ship units$/.exec(await words());
  assert.ok(m, await words());
  assert.ok(Math.abs(Number(m[1]) - expected) <= pixel + 0.05, `${m[1]} for ${expected.toFixed(2)}, a pixel ${pixel}`);
  assert.ok(Math.abs(Math.hypot(Number(m[2]), Number(m[3])) - Number(m[1])) <= 0.1, m[0]);
  assert.equal(await p.isVisible('#measure-figure'), true);
  await p.keyboard.press('Escape');
  assert.deepEqual([await p.getAttribute('#measure', 'aria-pressed'), await words(), await p.isVisible('#measure-figure')],
                   ['false', 'measuring ended', false]);
  // By keys: C, then Enter on the view picks the point at its middle.
  await press_on_view(p, ['c', 'Enter']);
  assert.match(await words(), /^first point /);
  await p.close();
});

// Runs axe-core in a page and lists its violations, one line each.
async function accessibility_faults(p) {
  await p.addScriptTag({ path: require_resolve('axe-core/axe.min.js') });
  const violations = await p.evaluate(async () => (await window.axe.run()).violations);
  return violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

test('axe-core finds no fault on a desktop, with the list of found blocks open, and on a phone, where the whole ship fits above the panel',
     async () => {
  await page.fill('#find', 'BL_cq');
  await page.press('#find', 'ArrowDown');
  await page.selectOption('#section-axis', 'x');
  assert.deepEqual(await accessibility_faults(page), []);
  await page.press('#find', 'Escape');
  await page.selectOption('#section-axis', '');
  const phone = await open_page(browser.context, server.url, { width: 390, height: 844 });
  assert.deepEqual(await accessibility_faults(phone), []);

  const view = await phone.$eval('#view', (e) => e.getBoundingClientRect().height);
  assert.ok(view >= 0.6 * 844, `the view is ${view} px high`);
  const small = await phone.$$eval('button, input, select', (controls) => controls
    .map((c) => [c.id || c.textContent, c.getBoundingClientRect()])
    .filter(([, r]) => r.width > 0 && (r.width < 24 || r.height < 24)).map(([name]) => name));
  assert.deepEqual(small, []);

  // Overhead, tev's square spans the phone's width; a tenth more than tev's
  // own box, and the disc deck is no longer cut at the edge.
  await press_on_view(phone, ['o', 'Shift+PageUp']);
  await phone.evaluate(() => {
    document.activeElement.blur();  // the focus ring would frame the view
    window.tev.set({ show_station: 0, show_target: 0 });
  });
  const { width, height, box } = await extent_of(phone, await phone.locator('#view canvas').screenshot());
  assert.ok(box.left > 0 && box.top > 0 && box.right < width - 1 && box.bottom < height - 1,
            `the ship ${JSON.stringify(box)} touches the edge of the ${width}x${height} view`);
  assert.ok(box.right - box.left > width * 0.45, `the ship fills ${box.right - box.left} of ${width} px`);
  await phone.close();
});

// The bounds of a PNG's pixels that are not black.
function extent_of(p, png) {
  return p.evaluate(async (url) => {
    const image = new Image();
    image.src = url;
    await image.decode();
    const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
    context.drawImage(image, 0, 0);
    const data = context.getImageData(0, 0, image.width, image.height).data;
    const box = { left: Infinity, top: Infinity, right: -1, bottom: -1 };
    for (let i = 0; i < data.length; i += 4) {
      if (data[i] + data[i + 1] + data[i + 2] === 0) continue;
      const x = (i / 4) % image.width, y = Math.floor(i / 4 / image.width);
      Object.assign(box, { left: Math.min(box.left, x), right: Math.max(box.right, x),
                           top: Math.min(box.top, y), bottom: Math.max(box.bottom, y) });
    }
    return { width: image.width, height: image.height, box };
  }, `data:image/png;base64,${png.toString('base64')}`);
}

test('without WebGL the page says so in plain words within seconds', async () => {
  const plain = await open_browser(undefined, ['--disable-webgl']);
  try {
    const start = Date.now();
    const p = await open_page(plain.context, server.url, null, { may_fail: true });
    assert.equal(await p.getAttribute('body', 'data-loaded'), 'failed');
    assert.match(await p.textContent('#status'), /cannot draw the ship: WebGL is turned off or not available/);
    assert.ok(Date.now() - start < 10000);
  } finally {
    await plain.close();
  }
});
