// Writes a C++ source holding the page, so that tev-export carries it and
// needs nothing at run time:
//   node embed.mjs OUT.cpp index.html style.css app.js tev_wasm.js tev_wasm.wasm
// The viewer's WebAssembly module (deflated, in base64, as window.tev_wasm)
// and its glue (which defines create_tev_module) go in front of app.js, so
// that the page opened from disk needs no fetch.
// web_page_files (web_page.h) holds the site's files under their base names.
// web_single_page holds the same page as one file, the style sheet and the
// script inside it, in two halves: tev-export puts the model's script
// (ship.js of the site) between them.
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

const [out, html_file, css_file, app_file, glue_file, wasm_file] = process.argv.slice(2);
const read = (file) => fs.readFileSync(file, 'utf8');
const wasm = zlib.deflateSync(fs.readFileSync(wasm_file), { level: 9 }).toString('base64');
const app = `${read(glue_file)}\nwindow.tev_wasm = "${wasm}";\n${read(app_file)}`;

// Where index.html loads a file, by the one tag that does; a page whose tags
// were changed stops the build rather than make a single file that fetches.
function tag_at(html, tag) {
  const at = html.indexOf(tag);
  if (at < 0 || html.indexOf(tag, at + 1) >= 0) throw new Error(`${html_file} must hold ${tag} exactly once`);
  return at;
}
function replace(html, tag, by) {
  const at = tag_at(html, tag);
  return html.slice(0, at) + by + html.slice(at + tag.length);
}

// The script's text as the content of an inline <script>: "</script" would end
// it early. "<\/" means "</" in a string, template or regular expression.
function script_content(text) {
  if (text.includes('<!--')) throw new Error(`${app_file} holds "<!--", which an inline script cannot`);
  return text.replace(/<\/(script)/gi, '<\\/$1');
}

function single_page() {
  const css = read(css_file);
  if (/<\/style/i.test(css)) throw new Error(`${css_file} holds "</style"`);
  let html = read(html_file);
  html = replace(html, '<link rel="stylesheet" href="style.css">', `<style>\n${css}</style>`);
  html = replace(html, '<script src="app.js"></script>', `<script>${script_content(app)}</script>`);
  const model = '<script src="ship.js"></script>';
  const at = tag_at(html, model);
  return [html.slice(0, at) + '<script>', '</script>' + html.slice(at + model.length)];
}

function array(name, bytes) {
  const lines = [`const unsigned char ${name}[] = {`];
  for (let at = 0; at < bytes.length; at += 24) lines.push(`    ${[...bytes.subarray(at, at + 24)].join(',')},`);
  lines.push('};');
  return lines;
}

const site = [html_file, css_file, app_file];
const halves = single_page().map((text) => Buffer.from(text, 'utf8'));
const lines = ['// Made by tools/export/web/embed.mjs from the page\'s files; not to be edited.',
               '#include "tools/export/web/web_page.h"', '', 'namespace {'];
site.forEach((file, i) => lines.push(...array(`file_${i}`, file === app_file ? Buffer.from(app, 'utf8') : fs.readFileSync(file))));
halves.forEach((bytes, i) => lines.push(...array(`half_${i}`, bytes)));
lines.push('}  // namespace', '', 'const WebPageFile web_page_files[] = {');
site.forEach((file, i) => lines.push(`    {"${path.basename(file)}", file_${i}, sizeof file_${i}},`));
lines.push('    {nullptr, nullptr, 0},', '};', '', 'const WebPageFile web_single_page[2] = {');
halves.forEach((bytes, i) => lines.push(`    {"${['before', 'after'][i]} the model", half_${i}, sizeof half_${i}},`));
lines.push('};', '');
fs.writeFileSync(`${out}.tmp`, lines.join('\n'));
fs.renameSync(`${out}.tmp`, out);
