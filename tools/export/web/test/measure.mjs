// Opens a page in headless Chromium, prints the time from navigation to the
// model shown, and saves a screenshot:
//   node test/measure.mjs SITE_DIR|PAGE.html SCREENSHOT.png [WIDTHxHEIGHT [#FRAGMENT]]
// A site directory is served; a single-file page is opened from disk. The
// window is 960x720 unless given; FRAGMENT (a link's, such as
// '#panel=0&keys=o') is added to the page's address.
import fs from 'node:fs';
import { pathToFileURL } from 'node:url';
import { serve, open_browser, open_page } from './browser.mjs';

const [site, screenshot, size = '960x720', fragment = ''] = process.argv.slice(2);
const [width, height] = size.split('x').map(Number);
if (!site || !screenshot || !(width > 0 && height > 0)) {
  console.error('usage: node test/measure.mjs SITE_DIR|PAGE.html SCREENSHOT.png [WIDTHxHEIGHT [#FRAGMENT]]');
  process.exit(2);
}
const server = fs.statSync(site).isDirectory() ? await serve(site) : null;
const browser = await open_browser({ width, height });
try {
  const page = await open_page(browser.context, (server ? server.url : pathToFileURL(site).href) + fragment);
  const state = await page.evaluate(() => window.tev.state());
  console.log(`loaded ${state.block_nodes} blocks in ${state.loaded_ms} ms (navigation to model shown)`);
  await page.screenshot({ path: screenshot });
} finally {
  await browser.close();
  server?.close();
}
