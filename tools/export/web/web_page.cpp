#include "tools/export/web/web_page.h"

#include <zlib.h>

#include <utility>
#include <vector>

#include "tools/common/output_file.h"
#include "tools/export/model_files.h"

// tinygltf's own base64, with which it writes a .gltf's buffer inside it;
// the library exports it, its header declares it only for its own use.
namespace tinygltf {
std::string base64_encode(unsigned char const* bytes, unsigned int length);
}

namespace {

const char without_page[] =
    "this tev-export was built without its web page: install the npm packages of "
    "tools/export/web (tools/setup.sh run) and build it again";

std::string text_of(const WebPageFile& f)
{
    return std::string(reinterpret_cast<const char*>(f.data), f.size);
}

// The script that hands the page its model: the glb deflated, since the
// page must fit in one small file, and in base64, since it is text. The page
// unpacks it with the browser's own DecompressionStream("deflate").
bool model_script(const std::string& glb, std::string& script, std::string& error)
{
    uLongf packed_size = compressBound(glb.size());
    std::string packed(packed_size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packed_size,
                  reinterpret_cast<const Bytef*>(glb.data()), glb.size(), Z_BEST_COMPRESSION) != Z_OK) {
        error = "cannot compress the model for the web page";
        return false;
    }
    script = "window.tev_model = \"" +
             tinygltf::base64_encode(reinterpret_cast<const unsigned char*>(packed.data()),
                                     static_cast<unsigned>(packed_size)) +
             "\";\n";
    return true;
}

}  // namespace

bool write_web_page(const std::string& dir, const std::string& glb, std::string& error)
{
    if (!web_page_files[0].name) {
        error = without_page;
        return false;
    }
    std::string script;
    if (!model_script(glb, script, error))
        return false;
    std::vector<std::pair<std::string, std::string>> files;  // name, contents
    for (const WebPageFile* f = web_page_files; f->name; ++f)
        files.emplace_back(f->name, text_of(*f));
    files.emplace_back("ship.js", std::move(script));
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

bool write_single_page(const std::string& path, const std::string& glb, std::string& error)
{
    if (!web_single_page[0].name) {
        error = without_page;
        return false;
    }
    std::string script;
    return model_script(glb, script, error) &&
           write_bytes(path, text_of(web_single_page[0]) + script + text_of(web_single_page[1]), error);
}
