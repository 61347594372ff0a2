// The web page that shows an exported ship (index.html, its style sheet and
// its bundled script), built from tools/export/web and carried inside
// tev-export.
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

// Writes the page's files into the directory `dir`, each under its name
// only once it is complete. On failure `error` names the file and why.
bool write_web_page(const std::string& dir, std::string& error);
