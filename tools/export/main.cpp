// tev-export: the ship as tev draws it, as a 3-D model and a parts list.
// It starts the program on the capture backend (no display, no GPU),
// replays a key script through the program's own callbacks and captures the
// frame it draws.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/common/command_line.h"
#include "tools/common/output_file.h"
#include "tools/common/view_link.h"
#include "tools/export/gltf_writer.h"
#include "tools/export/model_files.h"
#include "tools/export/web/web_page.h"

namespace {

const char program[] = "tev-export";

const char usage[] =
    "usage: tev-export [--keys SCRIPT] [--construction] [--out MODEL] [--parts-list LIST]\n"
    "       tev-export [--keys SCRIPT] --web DIR\n"
    "       tev-export [--keys SCRIPT] --html FILE\n"
    "       tev-export --help\n";

const char help[] =
    "Writes the ship as the viewer tev draws it after start-up followed by the keys\n"
    "of SCRIPT: the construction counter and the deck filter as the keys left them,\n"
    "ceilings, hull, upright tubes, landing target and station when they are drawn,\n"
    "the Earth never, and the ship at its own origin in ship units. Needs no display.\n"
    "\n"
    "  --keys SCRIPT        keys typed after start-up (default: none)\n"
    "  --out MODEL          the model: .glb, .gltf, .obj (and .mtl beside it), .stl, .ply\n"
    "  --construction       every block (of the decks shown) and the upright tubes, with\n"
    "                       an animation \"construction\" (glTF) that builds the ship\n"
    "                       block by block, 0.25 s a step\n"
    "  --parts-list LIST    the blocks drawn, in construction order: .csv, or .json with\n"
    "                       counts per routine and per deck\n"
    "  --web DIR            the viewer as a web page, in any browser: DIR/index.html,\n"
    "                       DIR/ship.glb (every block of every deck, the hull, target\n"
    "                       and station, with the animation, for other tools),\n"
    "                       DIR/ship.js (the view for the page), the page's script\n"
    "                       (the viewer itself inside) and style sheet;\n"
    "                       the page starts on the view the keys left, camera and\n"
    "                       all, and takes the viewer's keys. Open DIR/index.html\n"
    "                       from disk, or serve DIR with any static web server.\n"
    "  --html FILE          the same page as one self-contained FILE (.html): open it\n"
    "                       from disk, send it, or serve it\n"
    "  --help               this text\n"
    "\n"
    "Give --out, --parts-list or both, or --web, or --html. In glTF the root node\n"
    "\"ship\" carries the viewer's whole view state after the keys in its \"extras\"\n"
    "(view_state, each field by its name); one node per block (named after it, its\n"
    "facts in \"extras\"), nodes for the hull, upright tubes, landing target and\n"
    "station, and one unlit material per palette colour.\n"
    "The landing target is drawn in lines: glTF and OBJ keep them, STL and PLY hold\n"
    "surfaces only.\n"
    "\n"
    "The ship's frame: x forward, y across (0 on the centre line), z up. Axes:\n";

const char epilogue[] =
    "\n"
    "Standard output carries what the keys print (the viewer's diagnostics); errors\n"
    "go to standard error. Exit status: 0 done, 1 failed, 2 wrong usage. No file is\n"
    "left half written.\n"
    "\n";

const char examples[] =
    "\n"
    "Examples:\n"
    "  tev-export --out ship.glb\n"
    "  tev-export --keys 'zjjjjjjjjjjjjjjjjjjjjj' --out first-21.obj\n"
    "  tev-export --keys 'nnnnnnnnnnnnn' --out deck-3.stl --parts-list deck-3.csv\n"
    "  tev-export --construction --out build.glb --parts-list parts.json\n"
    "  tev-export --keys z --web ship-page/ && python3 -m http.server -d ship-page/\n"
    "  tev-export --keys kx --html ship.html\n";

struct Options {
    std::string keys, out, parts_list, web, html;
    bool construction = false;
};

void print_help()
{
    std::fputs(usage, stdout);
    std::fputs(help, stdout);
    for (const ModelFormat& f : model_formats)
        std::printf("  %-6s %s\n", f.extension, f.axes);
    std::fputs(epilogue, stdout);
    std::fputs(key_script_help().c_str(), stdout);
    std::fputs(examples, stdout);
}

// "" or what is wrong with the options taken together.
std::string check(const Options& o)
{
    if (!o.web.empty() && (o.construction || !o.out.empty() || !o.parts_list.empty()))
        return "--web goes with --keys only";
    if (!o.html.empty() && (o.construction || !o.out.empty() || !o.parts_list.empty() || !o.web.empty()))
        return "--html goes with --keys only";
    if (!o.html.empty() && !ends_with(o.html, ".html"))
        return "--html " + o.html + ": the name must end in .html";
    if (o.web.empty() && o.html.empty() && o.out.empty() && o.parts_list.empty())
        return "give --out, --parts-list or both, or --web, or --html";
    if (!o.out.empty() && !model_format_for(o.out))
        return "--out " + o.out + ": the name must end in .glb, .gltf, .obj, .stl or .ply";
    if (!o.parts_list.empty() && !is_parts_list_name(o.parts_list))
        return "--parts-list " + o.parts_list + ": the name must end in .csv or .json";
    return "";
}

ToolCommandLine command_line(Options& o)
{
    return {program,
            {
                // name          value kept in   flag set
                {"keys",         &o.keys},
                {"out",          &o.out},
                {"parts-list",   &o.parts_list},
                {"construction", nullptr,        &o.construction},
                {"web",          &o.web},
                {"html",         &o.html},
            },
            print_help, [&o] { return check(o); }};
}

// The parts list goes first: should the model then fail, it is taken back.
int export_files(const Options& o, const std::vector<ScriptStep>& steps)
{
    ModelRequest request;
    request.steps = steps;
    request.construction = o.construction;
    const ShipModel model = capture_ship(request);
    std::string error;
    OutputSet written;
    if (!o.parts_list.empty()) {
        if (!write_parts_list(model, o.parts_list, error))
            return failure(program, error);
        written.add(o.parts_list);
    }
    if (!o.out.empty() && !write_model_file(model, o.out, error))
        return failure(program, error);
    written.commit();
    return 0;
}

// The page (a site, or one file) and the whole ship for it: every deck and
// every part, so that the page can filter them and switch them on and off,
// and the construction animation.
int export_web_page(const Options& o, const std::vector<ScriptStep>& steps)
{
    ModelRequest request;
    request.steps = steps;
    request.construction = true;
    request.all_decks = true;
    request.all_parts = true;
    const ShipModel ship = capture_ship(request);
    const std::string view = link_fragment(ship.view);
    std::string glb, error;
    if (!o.html.empty() ? !write_single_page(o.html, view, error)
                        : !serialise_gltf(ship, true, glb, error) || !make_directory(o.web, error) ||
                              !write_web_page(o.web, view, glb, error))
        return failure(program, error);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    std::vector<ScriptStep> steps;
    if (const int status = read_command_line(command_line(o), argc, argv, steps); status >= 0)
        return status;
    return o.web.empty() && o.html.empty() ? export_files(o, steps) : export_web_page(o, steps);
}
