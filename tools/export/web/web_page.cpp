#include "tools/export/web/web_page.h"

#include "tools/export/model_files.h"

bool write_web_page(const std::string& dir, std::string& error)
{
    if (!web_page_files[0].name) {
        error = "this tev-export was built without its web page: install the npm packages of "
                "tools/export/web (tools/setup.sh test) and build it again";
        return false;
    }
    for (const WebPageFile* f = web_page_files; f->name; ++f)
        if (!write_bytes(dir + "/" + f->name, std::string(reinterpret_cast<const char*>(f->data), f->size),
                         error))
            return false;
    return true;
}
