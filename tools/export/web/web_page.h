// The web page that shows an exported ship (index.html, its style sheet and
// its bundled script), built from tools/export/web and carried inside
// tev-export: as a site of files, or as one self-contained HTML file.
#pragma once

#include <cstddef>
#include <string>

struct WebPageFile {
    const char* name;           // base name in the site's directory
    const unsigned char* data;
    size_t size;
};

// Ends with a null name; empty when tev-export was built without the page's
// npm packages.
extern const WebPageFile web_page_files[];
// The page as one file, its style and script inside, in two halves: the
// script of the exported view goes between them. Empty without the npm packages.
extern const WebPageFile web_single_page[2];

// Writes the page's files into the directory `dir`, with ship.js, the
// classic script that hands the page the exported view (`view`, a link's
// fragment), and the model `glb` as ship.glb for other tools. Each file
// appears under its name only once it is complete, and a failure removes
// those already written. On failure `error` names the file and why.
bool write_web_page(const std::string& dir, const std::string& view, const std::string& glb, std::string& error);
// Writes the page at the exported view `view` as the one file `path`.
bool write_single_page(const std::string& path, const std::string& view, std::string& error);
