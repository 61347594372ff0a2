// node:test's test and hooks, each ended by a time limit: a browser that
// stops answering fails the test it hangs, by name, and the rest still run,
// well before ctest's limit ends the whole file.
import * as node_test from 'node:test';

const limit = { timeout: 120000 };
export const test = (name, fn) => node_test.test(name, limit, fn);
export const before = (fn) => node_test.before(fn, limit);
export const after = (fn) => node_test.after(fn, limit);
