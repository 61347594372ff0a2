// The page's copy of the viewer's rules (src/viewer.js) against tev's own,
// in node, no browser:
//   node test/rules.test.mjs TEV_EXPORT
// Random key scripts go through the page's parser and rules and through
// `tev-export --keys`, whose model carries tev's view state after the
// script; both must agree field for field, and refuse the same scripts with
// the same words.
import { test } from './timed.mjs';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { start_up_view, parse_key_script, run_key_script, special_key, keyboard, format_g, favourite_text, KeyScriptError,
         LETTER_COMMANDS, SPECIAL_KEYS } from '../src/viewer.js';
import { read_link, initial_toggles } from '../src/state.js';

const [tev_export] = process.argv.slice(2);
const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'tev-rules-'));
process.on('exit', () => fs.rmSync(dir, { recursive: true, force: true }));

// tev's view state after the script, from the model's root, and the
// ship's facts beside it; or the one line of its refusal.
function tev_view(script) {
  const out = path.join(dir, 'ship.gltf');
  const run = spawnSync(tev_export, ['--keys', script, '--out', out], { cwd: dir, encoding: 'utf8' });
  if (run.status !== 0) return { refused: run.stderr, status: run.status };
  const gltf = JSON.parse(fs.readFileSync(out, 'utf8'));
  const root = gltf.nodes[gltf.scenes[0].nodes[0]].extras;
  return { view: root.view_state, facts: root };
}

// A small seeded generator, so that a failure comes back on the next run.
function random(seed) {
  return () => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return seed / 2147483648;
  };
}

// Every letter key of tev in both cases, keys that are none of its commands,
// every special key with and without Shift, the menu's entries, <lt>, and
// now and then something that the companions refuse.
const ITEMS = [
  ...LETTER_COMMANDS.flatMap((c) => c.keys),
  ...'BcY5 ?',
  ...SPECIAL_KEYS.filter((s) => s.name !== 'F6').flatMap((s) => [`<${s.name}>`, `<S-${s.name.toLowerCase()}>`]),
  '<menu:9>', '<menu:8>', '<menu:7>', '<menu:6>', '<menu:5>', '<menu:4>', '<menu:12>', '<lt>',
];
const REFUSED = ['q', '<F6>', '<menu:3>', '<', '<Left', '<F2>', '<menu:x>', '\x1b'];

function script_of(next) {
  const length = 1 + Math.floor(next() * 60);
  let script = '';
  for (let i = 0; i < length; i++) {
    // Runs of the camera keys, so that floats travel far from their defaults.
    const item = ITEMS[Math.floor(next() * ITEMS.length)];
    script += item.repeat(next() < 0.2 ? 1 + Math.floor(next() * 40) : 1);
  }
  if (next() < 0.15) {
    const at = Math.floor(next() * script.length);
    script = script.slice(0, at) + REFUSED[Math.floor(next() * REFUSED.length)] + script.slice(at);
  }
  return script;
}

// The heading's wraps, which random scripts seldom reach: from 110, D to 350
// and 0, s to 359; S to 10 and 360, then d to 0; d to 359 and 0; the ends of
// the counter and the decks.
const EDGES = ['D'.repeat(25) + 'sd', 'S'.repeat(11) + 'dS', 'd'.repeat(251), 'zhjaj' + 'u'.repeat(18) + 'n'.repeat(3)];

test('random key scripts give the same view state in the page as in tev-export, or the same refusal', () => {
  const next = random(23);
  const { view: start, facts } = tev_view('');
  assert.deepEqual(start_up_view(facts), start, 'the start-up view');
  let refused = 0, last = start;
  for (let n = 0; n < 40 + EDGES.length; n++) {
    const script = EDGES[n] ?? script_of(next);
    // Every other script finds a favourite view, the last one's, as the page
    // writes it, for its <F5>; tev reads it from favview.sav.
    const kept = n % 2 ? favourite_text(last) : null;
    if (kept) fs.writeFileSync(path.join(dir, 'favview.sav'), kept);
    else fs.rmSync(path.join(dir, 'favview.sav'), { force: true });
    const tev = tev_view(script);
    let steps;
    try {
      steps = parse_key_script(script);
    } catch (error) {
      assert.ok(error instanceof KeyScriptError, script);
      assert.equal(tev.status, 2, `tev-export took ${JSON.stringify(script)}`);
      assert.ok(tev.refused.includes(`--keys: ${error.message} (`), `${tev.refused} / ${error.message}`);
      refused++;
      continue;
    }
    assert.ok(tev.view, `tev-export refused ${JSON.stringify(script)}: ${tev.refused}`);
    last = run_key_script(start_up_view(facts), steps, facts, { read: () => kept });
    assert.deepEqual(last, tev.view, script);
  }
  assert.ok(refused > 0 && refused < 20, `${refused} of 40 scripts refused`);
});

test('F6 keeps the nine values as tev writes them, to six digits, and F5 gives them back', () => {
  const facts = { counter_max: 140, deck_count: 16 };
  let stored = null;
  const store = { read: () => stored, write: (text) => { stored = text; } };
  let view = run_key_script(start_up_view(facts), parse_key_script('m<S-Right><PageUp><Insert>d'), facts);
  assert.equal(special_key(view, 6, false, store), view);
  assert.equal(stored, '1\n1\n129.28\n-246\n20\n16\n16\n111\n-0.01\n');
  const moved = run_key_script(view, parse_key_script('pe<Up><F1>'), facts);
  const back = special_key(moved, 5, true, store);
  assert.deepEqual(back, { ...moved, far_clip: 1, show_earth: 1, zoom: Math.fround(129.28), cam_x: -246,
                           cam_y: 20, cam_z: 16, view_angle: 111, view_pitch: Math.fround(-0.01) });
  // Nothing saved: F5 resets the camera of the current mode, nothing else.
  const over = keyboard(keyboard(view, 'o', facts), 'S', facts);
  assert.deepEqual(special_key({ ...over, cam_x: 3 }, 5, false, { read: () => null }), keyboard(over, 'v', facts));
  // "%g" rounds the exact value half to even, as the C library does.
  assert.deepEqual([100000.5, 100001.5, 128.0625, 999999.5, 1.25e-7, -0.0001234565, 2 ** -149].map(format_g),
                   ['100000', '100002', '128.062', '1e+06', '1.25e-07', '-0.000123457', '1.4013e-45']);
});

test('the key-script parser throws only its own error, and a link is read without a throw, whatever the text', () => {
  const next = random(7);
  const facts = { counter_max: 140, deck_count: 16 }, start = start_up_view(facts);
  const pieces = ['<', '>', 'lt', 'menu:', 'S-', 's-', 'PageUp', 'f1', '-', '+', '9', '\0', '\x1b', 'q', 'é', '😀',
                  '&', '=', '%', 'keys=', 'deck_shown=', 'zoom=', 'counter=', '1e9', '.5'];
  for (let n = 0; n < 3000; n++) {
    let text = '';
    for (let i = Math.floor(next() * 12); i > 0; i--)
      text += next() < 0.5 ? pieces[Math.floor(next() * pieces.length)] : String.fromCharCode(Math.floor(next() * 0x3000));
    try {
      run_key_script(start, parse_key_script(text), facts);
    } catch (error) {
      if (!(error instanceof KeyScriptError)) throw new Error(`${JSON.stringify(text)}: ${error.stack}`);
      assert.doesNotMatch(error.message, /[\0-\x1f]/, 'one line, no control characters');
    }
    const { view } = read_link(`#${text}`, facts, start, initial_toggles());
    assert.ok(view.deck_shown >= 0 && view.deck_shown <= 16 && Number.isFinite(view.zoom), text);
  }
});
