// Find a block: a combobox in the panel. Typing part of a block's name
// lists the blocks whose names hold it, with their deck numbers and steps;
// the arrow keys move in the list, Enter or a click chooses, Escape closes
// the list (and, with it closed, empties the field). Choosing a block shows
// the construction just after its step, on its deck, with it marked as the
// newest block, and the live region names it.
import { block_name } from './controls.js';

const $ = (id) => document.getElementById(id);

// The blocks whose model name or shown name (#20 for an unnamed one)
// holds the text, in construction order.
export function blocks_named(blocks, text) {
  const wanted = text.trim().toLowerCase();
  if (!wanted) return [];
  return blocks.filter((b) => b.name.toLowerCase().includes(wanted) || block_name(b).toLowerCase().includes(wanted));
}

// What choosing a block sets, and what the live region then says, from
// the block's facts as the viewer gives them: the counter just past its
// step (it is then the newest block) and the deck filter on its deck.
export function found(block, facts) {
  return {
    change: { view: { blocks_shown: block.position + 1, deck_shown: block.deck_index }, toggles: { highlight: true } },
    words: `found ${block_name(block)}: block ${block.position + 1} of ${facts.block_count}, ` +
           `deck ${block.deck_number} (index ${block.deck_index}), marked as the newest block`,
  };
}

// Binds the field and its list; say(words) speaks in the live region.
// Returns focus(), which puts the caret in the field.
export function bind_find(page, say) {
  const field = $('find'), list = $('find-list');
  let matches = [], active = -1;

  function open(text) {
    matches = blocks_named(page.blocks, text);
    active = -1;
    list.replaceChildren(...matches.map((block, i) => {
      const option = document.createElement('li');
      option.id = `find-${i}`;
      option.setAttribute('role', 'option');
      option.setAttribute('aria-selected', 'false');
      option.textContent = `${block_name(block)} · deck ${block.deck_number} · step ${block.position + 1}`;
      return option;
    }));
    show(matches.length > 0);
    if (matches.length) list.scrollIntoView({ block: 'nearest' });
    if (text.trim() && !matches.length) say(`no block's name holds "${text.trim()}"`);
  }
  function show(shown) {
    list.hidden = !shown;
    field.setAttribute('aria-expanded', String(shown));
    if (!shown) field.removeAttribute('aria-activedescendant');
  }
  function move(by) {
    if (list.hidden) open(field.value);
    if (!matches.length) return;
    list.children[active]?.setAttribute('aria-selected', 'false');
    active = (active + by + matches.length + (active < 0 && by < 0 ? 1 : 0)) % matches.length;
    const option = list.children[active];
    option.setAttribute('aria-selected', 'true');
    field.setAttribute('aria-activedescendant', option.id);
    option.scrollIntoView({ block: 'nearest' });
  }
  function choose(i) {
    const block = matches[i];
    if (!block) return;
    field.value = block_name(block);
    show(false);
    const { change, words } = found(block, page.facts);
    page.set(change);
    say(words);
  }

  field.addEventListener('input', () => open(field.value));
  field.addEventListener('keydown', (e) => {
    const keys = {
      ArrowDown: () => move(1),
      ArrowUp: () => move(-1),
      Enter: () => choose(active >= 0 ? active : 0),
      Escape: () => (list.hidden ? (field.value = '') : show(false)),
    };
    if (!Object.hasOwn(keys, e.key) || e.altKey || e.ctrlKey || e.metaKey) return;
    keys[e.key]();
    e.preventDefault();
  });
  field.addEventListener('blur', () => show(false));
  // The field keeps the focus while an option is pressed.
  list.addEventListener('pointerdown', (e) => e.preventDefault());
  list.addEventListener('click', (e) => {
    const option = e.target.closest('[role=option]');
    if (option) choose([...list.children].indexOf(option));
  });
  return () => field.focus();
}
