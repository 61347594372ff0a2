// The page's state and its link. The state is tev's view state, held by the
// viewer itself (viewer.js), and the page's own toggles: the newest block's
// mark, the x-ray of the other decks, and whether the panel is shown. The
// link is the address's fragment, which the viewer writes and reads: every
// field of the view state by its name in tev, the toggles, and keys=SCRIPT,
// a key script typed after them; so a link reopens the same view.

export const TOGGLES = ['highlight', 'xray', 'panel'];
export const initial_toggles = () => ({ highlight: true, xray: false, panel: true });

// The view the page was exported at (window.tev_view, a link's fragment,
// from ship.js), on top of tev's start-up view.
export function initial_view(viewer) {
  viewer.start_up_view();
  if (typeof window.tev_view === 'string') viewer.read_link(window.tev_view, initial_toggles());
  return viewer.view();
}
