// Opens a page in headless Chromium, prints the time from navigation to the
// model shown, and saves a screenshot:
//   node test/measure.mjs SITE_DIR|PAGE.html SCREENSHOT.png
// A site directory is served; a single-file page is opened from disk.
import fs from 'node:fs';
import { pathToFileURL } from 'node:url';
import { serve, open_browser, open_page } from './browser.mjs';

const [site, screenshot] = process.argv.slice(2);
if (!site || !screenshot) {
  console.error('usage: node test/measure.mjs SITE_DIR|PAGE.html SCREENSHOT.png');
  process.exit(2);
}
const server = fs.statSync(site).isDirectory() ? await serve(site) : null;
const browser = await open_browser();
try {
  const page = await open_page(browser.context, server ? server.url : pathToFileURL(site).href);
  const state = await page.evaluate(() => window.tev.state());
  console.log(`loaded ${state.block_nodes} blocks in ${state.loaded_ms} ms (navigation to model shown)`);
  await page.screenshot({ path: screenshot });
} finally {
  await browser.close();
  server?.close();
}
