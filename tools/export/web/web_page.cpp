#include "tools/export/web/web_page.h"

#include <cstdio>

#include "tools/common/output_file.h"

bool write_web_page(const std::string& dir, std::string& error)
{
    if (!web_page_files[0].name) {
        error = "this tev-export was built without the web page: install the npm packages of "
                "tools/export/web (tools/setup.sh test) and build it again";
        return false;
    }
    for (const WebPageFile* f = web_page_files; f->name; ++f) {
        OutputFile out;
        if (!out.open(dir + "/" + f->name, error))
            return false;
        std::fwrite(f->data, 1, f->size, out.stream());  // commit() reports a failed write
        if (!out.commit(error))
            return false;
    }
    return true;
}
