#include "tools/export/web/web_page.h"

#include <utility>
#include <vector>

#include "tools/common/output_file.h"
#include "tools/export/model_files.h"

namespace {

const char without_page[] =
    "this tev-export was built without its web page: install the npm packages of "
    "tools/export/web (tools/setup.sh run) and build it again";

std::string text_of(const WebPageFile& f)
{
    return std::string(reinterpret_cast<const char*>(f.data), f.size);
}

// The script that hands the page the exported view: the page makes the
// ship itself, from the viewer's own code.
// The fragment is percent-encoded: it holds no quote, backslash or '<'.
std::string view_script(const std::string& view) { return "window.tev_view = \"" + view + "\";\n"; }

}  // namespace

bool write_web_page(const std::string& dir, const std::string& view, const std::string& glb,
                    std::string& error)
{
    if (!web_page_files[0].name) {
        error = without_page;
        return false;
    }
    std::vector<std::pair<std::string, std::string>> files;  // name, contents
    for (const WebPageFile* f = web_page_files; f->name; ++f)
        files.emplace_back(f->name, text_of(*f));
    files.emplace_back("ship.js", view_script(view));
    files.emplace_back("ship.glb", glb);
    // A page without its script or model is no page: all of it, or none.
    OutputSet written;
    for (const auto& [name, contents] : files) {
        if (!write_bytes(dir + "/" + name, contents, error))
            return false;
        written.add(dir + "/" + name);
    }
    written.commit();
    return true;
}

bool write_single_page(const std::string& path, const std::string& view, std::string& error)
{
    if (!web_single_page[0].name) {
        error = without_page;
        return false;
    }
    return write_bytes(path, text_of(web_single_page[0]) + view_script(view) + text_of(web_single_page[1]), error);
}
