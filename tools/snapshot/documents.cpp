#include "tools/snapshot/documents.h"

#include "tools/common/program_module.h"

// The module, loaded on the first document.
static const DocumentWriters* document_writers(const char* purpose, std::string& error)
{
    static const DocumentWriters* writers = nullptr;
    if (!writers)
        writers = static_cast<const DocumentWriters*>(load_program_module(
            TEV_DOCUMENTS_MODULE, TEV_DOCUMENTS_MODULE_FROM_PROGRAM, document_writers_name, "documents", purpose,
            error));
    return writers;
}

bool write_booklet_through_module(const PictureRequest& pictures, const BookletRequest& request,
                                  std::string& error)
{
    const DocumentWriters* writers = document_writers("write a booklet", error);
    return writers && writers->booklet(pictures, request, error);
}

bool write_cutaway_through_module(const PictureRequest& request, const SectionPlane& plane,
                                  const std::string& path, int png_width, std::string& error)
{
    const DocumentWriters* writers = document_writers("write a cutaway", error);
    return writers && writers->cutaway(request, plane, path, png_width, error);
}

// Asked of the command line, before anything is drawn: in the program, so
// that a wrong plane is refused without loading the module.
std::string cutaway_plane_problem(const SectionPlane& plane)
{
    return plane.axis == 2 ? "--cutaway looks at the ship from the side and cuts across x or y, not z" : "";
}
