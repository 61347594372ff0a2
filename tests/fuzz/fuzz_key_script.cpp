// Feeds arbitrary bytes to the key-script parser as the text of --keys. A
// script is either refused with one line naming what was wrong, or read
// into steps that neither quit nor save the favourite view and that read
// back the same when written out again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/input.h"
#include "tools/common/key_script.h"

namespace {

std::string written_out(const ScriptStep& s)
{
    if (s.kind == ScriptStep::menu)
        return "<menu:" + std::to_string(s.code) + ">";
    if (s.kind == ScriptStep::key)
        return s.code == '<' ? "<lt>" : std::string(1, char(s.code));
    for (const char* name : special_key_names())
        if (special_key_named(name, std::string(name).size()) == s.code)
            return std::string("<") + (s.shift ? "S-" : "") + name + ">";
    std::abort();  // a special key without a name
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<ScriptStep> steps, again;
    std::string error;
    if (!parse_key_script(text, steps, error)) {
        if (error.empty() || error.find('\n') != std::string::npos)
            std::abort();
        return 0;
    }
    std::string out;
    for (const ScriptStep& s : steps) {
        if ((s.kind == ScriptStep::key && key_quits(static_cast<unsigned char>(s.code))) ||
            (s.kind == ScriptStep::special_key && s.code == special_key_named("F6", 2)))
            std::abort();
        out += written_out(s);
    }
    if (!parse_key_script(out, again, error) || again != steps)
        std::abort();
    return 0;
}
