#include "tools/common/view_link.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "ship/ship.h"
#include "view/view_fields.h"

std::string shortest_float(float value)
{
    char text[32] = "";
    for (int digits = 6; digits <= 9; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, double(value));
        if (std::strtof(text, nullptr) == value)
            break;
    }
    return text;
}

std::string percent_encoded(const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' ||
            u == '.' || u == '_' || u == '~')
            out += c;
        else
            out += {'%', hex[u >> 4], hex[u & 15]};
    }
    return out;
}

std::string link_fragment(const ViewState& view, const PageToggles& toggles, const std::string& keys)
{
    std::string text;
    const auto add = [&text](const char* name, const std::string& value) {
        text += (text.empty() ? "#" : "&") + std::string(name) + "=" + percent_encoded(value);
    };
    for (const ViewField& f : view_fields)
        add(f.name, f.whole ? std::to_string(view.*f.whole) : shortest_float(view.*f.real));
    for (const auto& [name, value] : {std::pair{"highlight", toggles.highlight},
                                      std::pair{"xray", toggles.xray}, std::pair{"panel", toggles.panel}})
        if (value >= 0)
            add(name, std::to_string(value));
    if (toggles.section)
        add("section", section_text(*toggles.section));
    if (!keys.empty())
        add("keys", keys);
    return text;
}

// ---- reading a fragment ---------------------------------------------------------
// As a browser's URLSearchParams reads a query: pairs split at '&', a name
// split from its value at the first '=', '+' a space, %XX a byte; of two
// pairs of one name the first counts.

namespace {

int hex_value(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
         : std::isxdigit(static_cast<unsigned char>(c)) ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
         : -1;
}

std::string percent_decoded(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && hex_value(text[i + 1]) >= 0 &&
                   hex_value(text[i + 2]) >= 0) {
            out += static_cast<char>(hex_value(text[i + 1]) * 16 + hex_value(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs pairs_of(std::string fragment)
{
    if (!fragment.empty() && fragment[0] == '#')
        fragment.erase(0, 1);
    if (!fragment.empty() && fragment[0] == '?')
        fragment.erase(0, 1);
    Pairs pairs;
    for (size_t start = 0; start <= fragment.size();) {
        size_t end = fragment.find('&', start);
        if (end == std::string::npos)
            end = fragment.size();
        const std::string pair = fragment.substr(start, end - start);
        if (!pair.empty()) {
            const size_t equals = pair.find('=');
            pairs.emplace_back(percent_decoded(pair.substr(0, equals)),
                               equals == std::string::npos ? "" : percent_decoded(pair.substr(equals + 1)));
        }
        start = end + 1;
    }
    return pairs;
}

const std::string* value_of(const Pairs& pairs, const char* name)
{
    for (const auto& [n, v] : pairs)
        if (n == name)
            return &v;
    return nullptr;
}

// A whole number: an optional '-' and 1 to 10 digits.
bool read_whole(const std::string& text, long long& value)
{
    const size_t digits = text.size() - (!text.empty() && text[0] == '-');
    if (digits < 1 || digits > 10 || text.find_first_not_of("0123456789", text.size() - digits) != std::string::npos)
        return false;
    value = std::strtoll(text.c_str(), nullptr, 10);
    return true;
}

// A decimal: sign, digits with an optional point, an optional exponent; at
// most 40 characters, finite in single precision.
bool read_decimal(const std::string& text, float& value)
{
    size_t i = 0, digits = 0;
    const auto run = [&text, &i] {
        size_t n = 0;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            ++n;
        return n;
    };
    if (text.size() > 40)
        return false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    digits = run();
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += run();
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (run() == 0)
            return false;
    }
    if (i != text.size())
        return false;
    value = std::strtof(text.c_str(), nullptr);
    return std::isfinite(value);
}

// The largest value an int field may take from a link: the counter's and
// the deck filter's ends, 1 for a flag.
int top_of(int ViewState::*field)
{
    return field == &ViewState::blocks_shown ? block_total() : field == &ViewState::deck_shown ? all_decks : 1;
}

void read_field(const Pairs& pairs, const char* name, const ViewField& field, ViewState& view)
{
    const std::string* text = value_of(pairs, name);
    if (!text)
        return;
    long long whole;
    float real;
    if (field.whole && read_whole(*text, whole) && whole >= 0 && whole <= top_of(field.whole))
        view.*field.whole = static_cast<int>(whole);
    else if (field.real && read_decimal(*text, real))
        view.*field.real = real;
}

// The page's earlier names of some fields.
// earlier name  field
const std::pair<const char*, const char*> earlier_fields[] = {
    {"counter",   "blocks_shown"},   // counter
    {"deck",      "deck_shown"},     // deck
    {"ceilings",  "show_ceilings"},  // ceilings
    {"hull",      "show_hull"},      // hull
    {"station",   "show_station"},   // station
    {"target",    "show_target"},    // target
};

}  // namespace

LinkRequest read_link_fragment(const std::string& fragment, const ViewState& view, const PageToggles& toggles)
{
    LinkRequest asked{view, toggles, {}, ""};
    const Pairs pairs = pairs_of(fragment);
    for (const auto& [earlier, name] : earlier_fields)
        read_field(pairs, earlier, *view_field_named(name), asked.view);
    for (const ViewField& f : view_fields)
        read_field(pairs, f.name, f, asked.view);
    for (const auto& [name, toggle] : {std::pair{"highlight", &PageToggles::highlight},
                                       std::pair{"xray", &PageToggles::xray}, std::pair{"panel", &PageToggles::panel}})
        if (const std::string* text = value_of(pairs, name); text && (*text == "0" || *text == "1"))
            asked.toggles.*toggle = *text == "1";
    if (const std::string* text = value_of(pairs, "section"); text) {
        SectionPlane plane;
        if (parse_section_plane(*text, plane).empty())
            asked.toggles.section = plane;
    }
    if (const std::string* keys = value_of(pairs, "keys"); keys && !parse_key_script(*keys, asked.steps, asked.refused))
        asked.steps.clear();
    return asked;
}
