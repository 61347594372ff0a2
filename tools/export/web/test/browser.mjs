// Opens a page in Debian's Chromium, headless, with WebGL on its software
// renderer, served from a directory by a static server on 127.0.0.1.
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
                '.glb': 'model/gltf-binary', '.png': 'image/png' };

export function serve(dir) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(dir, name.endsWith('/') ? name + 'index.html' : name);
    fs.readFile(file, (error, data) => {
      if (error || !file.startsWith(dir)) { response.writeHead(404); response.end(); return; }
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
      response.end(data);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () =>
    resolve({ url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() })));
}

export async function open_browser(size = { width: 960, height: 720 }, extra_args = []) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tev-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    viewport: size,
    args: ['--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--no-first-run', ...extra_args],
  });
  return {
    context,
    close: async () => { await context.close(); fs.rmSync(profile, { recursive: true, force: true }); },
  };
}

// Opens the page, in a viewport of its own if given, and waits until it has
// shown the model (or failed to). page.errors collects its script errors.
export async function open_page(context, url, viewport = null, { may_fail = false } = {}) {
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (e) => page.errors.push(e.message));
  if (viewport) await page.setViewportSize(viewport);
  await page.goto(url);
  await page.waitForSelector('body[data-loaded]', { timeout: 60000 });
  const loaded = await page.getAttribute('body', 'data-loaded');
  if (loaded !== 'true' && !may_fail)
    throw new Error(`the page did not load: ${await page.textContent('#status')} ${page.errors.join('; ')}`);
  return page;
}
