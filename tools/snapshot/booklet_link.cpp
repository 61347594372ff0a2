#include "tools/snapshot/booklet_link.h"

#include <cstring>

#include "tools/common/view_link.h"
#include "tools/snapshot/booklet.h"
#include "view/view_state.h"

namespace {

// A QR code holds up to 2331 bytes at the error correction used; a step's
// fragment takes about 330 of them.
constexpr size_t longest_link = 1500;

}  // namespace

std::string step_link(const std::string& address)
{
    PageToggles toggles;
    toggles.highlight = 1;
    return address + link_fragment(view_state, toggles);
}

std::string booklet_link_problem(const std::string& link)
{
    for (size_t i = 0; i < link.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(link[i]);
        const char* what = c == ' '                ? "a space"
                           : c == '"' || c == '\'' ? "a quote"
                           : c < 32 || c == 127    ? "a control character"
                           : c > 127               ? "a character other than ASCII"
                           : c == '#'              ? "a fragment (#)"
                                                   : nullptr;
        if (what)
            return std::string("--link holds ") + what + " at character " + std::to_string(i + 1) +
                   (c == '#' ? "; the booklet adds one for each step" : c > 127 ? "; percent-encode it" : "");
    }
    if (link.size() > longest_link)
        return "--link is longer than " + std::to_string(longest_link) +
               " characters, which with a step's view is too long for a QR code";
    for (const char* scheme : {"http://", "https://", "file://"})
        if (link.size() > std::strlen(scheme) && link.compare(0, std::strlen(scheme), scheme) == 0)
            return "";
    return "--link wants an http://, https:// or file:// address";
}
