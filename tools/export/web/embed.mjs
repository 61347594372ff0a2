// Writes a C++ source holding the page's files as byte arrays, so that
// tev-export carries the page inside it and needs nothing at run time:
//   node embed.mjs OUT.cpp FILE...
// Each file keeps its base name in the table web_page_files (web_page.h).
import fs from 'node:fs';
import path from 'node:path';

const [out, ...files] = process.argv.slice(2);
const lines = ['// Made by tools/export/web/embed.mjs from the page\'s files; not to be edited.',
               '#include "tools/export/web/web_page.h"', '', 'namespace {'];
files.forEach((file, i) => {
  const bytes = [...fs.readFileSync(file)];
  lines.push(`const unsigned char file_${i}[] = {`);
  for (let at = 0; at < bytes.length; at += 24) lines.push(`    ${bytes.slice(at, at + 24).join(',')},`);
  lines.push('};');
});
lines.push('}  // namespace', '', 'const WebPageFile web_page_files[] = {');
files.forEach((file, i) => lines.push(`    {"${path.basename(file)}", file_${i}, sizeof file_${i}},`));
lines.push('    {nullptr, nullptr, 0},', '};', '');
fs.writeFileSync(`${out}.tmp`, lines.join('\n'));
fs.renameSync(`${out}.tmp`, out);
