// Feeds arbitrary bytes to the reader of the web page's link fragment. What
// it reads is a view that the page can show: the counter and deck in their
// ranges, the flags 0 or 1, the floats finite; its toggles 0 or 1; and
// either the script's steps or one line of why it was refused. Written out
// again, the view reads back the same.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ship/ship.h"
#include "tools/common/view_link.h"
#include "view/view_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ViewState start{};
    start.deck_shown = all_decks;
    const LinkRequest asked = read_link_fragment(text, start, {1, 0, 1});
    for (const ViewField& f : view_fields) {
        if (f.real && !std::isfinite(asked.view.*f.real))
            std::abort();
        const int top = f.whole == &ViewState::blocks_shown ? block_total() : f.whole == &ViewState::deck_shown ? all_decks : 1;
        if (f.whole && (asked.view.*f.whole < 0 || asked.view.*f.whole > top))
            std::abort();
    }
    for (const int t : {asked.toggles.highlight, asked.toggles.xray, asked.toggles.panel})
        if (t != 0 && t != 1)
            std::abort();
    if (!asked.refused.empty() && (!asked.steps.empty() || asked.refused.find('\n') != std::string::npos))
        std::abort();
    const LinkRequest again = read_link_fragment(link_fragment(asked.view), ViewState{}, {});
    if (std::memcmp(&again.view, &asked.view, offsetof(ViewState, hud_deck_text)) != 0)
        std::abort();
    return 0;
}
