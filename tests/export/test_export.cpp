// tev-export: the model read back with the library that wrote it, the other
// formats through assimp, the command line's errors, and the capture
// backend's polygons against real OpenGL's.
#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <tiny_gltf.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "app/app.h"
#include "render/render.h"
#include "tests/run_tool.h"
#include "tools/common/headless.h"
#include "tools/export/gltf_writer.h"
#include "tools/export/model_files.h"
#include "view/view_state.h"

namespace {

ModelRequest request_for(const std::string& keys, bool construction = false)
{
    ModelRequest r;
    std::string error;
    EXPECT_TRUE(parse_key_script(keys, r.steps, error)) << error;
    r.construction = construction;
    return r;
}

tinygltf::Model read_glb(const std::string& keys, bool construction = false)
{
    testing::internal::CaptureStdout();  // what the keys print
    std::string bytes, error;
    const bool written = ship_glb(request_for(keys, construction), bytes, error);
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(written) << error;
    tinygltf::Model model;
    tinygltf::TinyGLTF loader;
    std::string warning;
    EXPECT_TRUE(loader.LoadBinaryFromMemory(&model, &error, &warning,
                                            reinterpret_cast<const unsigned char*>(bytes.data()),
                                            unsigned(bytes.size())))
        << error;
    return model;
}

std::string kind_of(const tinygltf::Node& n)
{
    return n.extras.Has("kind") ? n.extras.Get("kind").Get<std::string>() : "";
}

std::vector<const tinygltf::Node*> nodes_of_kind(const tinygltf::Model& m, const std::string& kind)
{
    std::vector<const tinygltf::Node*> found;
    for (const tinygltf::Node& n : m.nodes)
        if (kind_of(n) == kind)
            found.push_back(&n);
    return found;
}

const tinygltf::Node* node_named(const tinygltf::Model& m, const std::string& name)
{
    for (const tinygltf::Node& n : m.nodes)
        if (n.name == name)
            return &n;
    return nullptr;
}

// The corners of the box around a node's mesh, in the glTF frame.
std::pair<std::array<double, 3>, std::array<double, 3>> mesh_bounds(const tinygltf::Model& m,
                                                                    const tinygltf::Node& n)
{
    std::array<double, 3> lo{1e9, 1e9, 1e9}, hi{-1e9, -1e9, -1e9};
    EXPECT_GE(n.mesh, 0) << n.name;
    for (const tinygltf::Primitive& p : m.meshes[size_t(std::max(n.mesh, 0))].primitives) {
        const tinygltf::Accessor& a = m.accessors[p.attributes.at("POSITION")];
        for (int i = 0; i < 3; ++i) {
            lo[i] = std::min(lo[i], a.minValues[i]);
            hi[i] = std::max(hi[i], a.maxValues[i]);
        }
    }
    return {lo, hi};
}

// ---- the glTF read back ------------------------------------------------------

struct ShownBlocks {
    const char* name;
    const char* keys;
    int blocks, deck_shown;
};

class BlockNodes : public testing::TestWithParam<ShownBlocks> {};

TEST_P(BlockNodes, OneNodePerBlockDrawnUnderTheShipRoot)
{
    const ShownBlocks& s = GetParam();
    const tinygltf::Model m = read_glb(s.keys);
    const auto blocks = nodes_of_kind(m, "block");
    EXPECT_EQ(int(blocks.size()), s.blocks);
    ASSERT_EQ(m.scenes.size(), 1u);
    const tinygltf::Node& root = m.nodes[m.scenes[0].nodes.at(0)];
    EXPECT_EQ(root.name, "ship");
    EXPECT_EQ(root.extras.Get("deck_shown").GetNumberAsInt(), s.deck_shown);
    EXPECT_EQ(root.extras.Get("block_count").GetNumberAsInt(), 139);
    if (s.deck_shown != all_decks) {
        for (const tinygltf::Node* b : blocks)
            EXPECT_EQ(b->extras.Get("deck_index").GetNumberAsInt(), s.deck_shown) << b->name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Export, BlockNodes,
    testing::Values(ShownBlocks{"whole_ship", "", 139, all_decks},
                    ShownBlocks{"counter_21", "zjjjjjjjjjjjjjjjjjjjjj", 21, all_decks},
                    ShownBlocks{"one_deck_down_from_all", "n", 2, 15},
                    ShownBlocks{"deck_index_3", "nnnnnnnnnnnnn", 27, 3}),
    [](const testing::TestParamInfo<ShownBlocks>& i) { return std::string(i.param.name); });

TEST(Export, ShuttleBridgeCarriesItsFactsAndSitsInItsBoundsInTheGltfFrame)
{
    const tinygltf::Model m = read_glb("");
    const tinygltf::Node* bridge = node_named(m, "BL_shbridge");
    ASSERT_NE(bridge, nullptr);
    const tinygltf::Value& x = bridge->extras;
    EXPECT_EQ(x.Get("kind").Get<std::string>(), "block");
    EXPECT_EQ(x.Get("name").Get<std::string>(), "BL_shbridge");
    EXPECT_EQ(x.Get("routine").Get<std::string>(), "draw_shuttle_bridge");
    EXPECT_EQ(x.Get("position").GetNumberAsInt(), 83);
    EXPECT_EQ(x.Get("deck_index").GetNumberAsInt(), 3);  // z0 7.5 is deck index 3 ...
    EXPECT_EQ(x.Get("deck_number").GetNumberAsInt(), 19);  // ... deck number 22 - 3
    EXPECT_EQ(x.Get("colour").Get<std::string>(), "magenta");
    const double bounds[] = {60, 76, -16, 16, 7.5, 10};
    ASSERT_EQ(x.Get("bounds").ArrayLen(), 6u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(x.Get("bounds").Get(i).GetNumberAsDouble(), bounds[i]);

    // glTF is y-up: ship x 60..76 stays X, ship z 7.5..10 is Y, ship y -16..16 is -Z.
    const auto [lo, hi] = mesh_bounds(m, *bridge);
    EXPECT_NEAR(lo[0], 60, 1e-4);
    EXPECT_NEAR(hi[0], 76, 1e-4);
    EXPECT_NEAR(lo[1], 7.5, 1e-4);
    EXPECT_NEAR(lo[2], -16, 1e-4);
    EXPECT_NEAR(hi[2], 16, 1e-4);
    EXPECT_LE(hi[1], 10 + 1e-4);
    // A block off the centre line tells a mirror image: the corridor at ship
    // y -10..-8 is at Z 8..10 (its wall panels stand 0.13 inside).
    const auto [corridor_lo, corridor_hi] = mesh_bounds(m, *node_named(m, "block_000"));
    EXPECT_NEAR(corridor_lo[2], 7.87, 1e-4);
    EXPECT_NEAR(corridor_hi[2], 10, 1e-4);

    // Its ceiling, drawn at start-up, is a child node of its own; 't' takes it away.
    ASSERT_EQ(bridge->children.size(), 1u);
    const tinygltf::Node& ceiling = m.nodes[bridge->children[0]];
    EXPECT_EQ(ceiling.name, "BL_shbridge/ceiling");
    EXPECT_EQ(kind_of(ceiling), "ceiling");
    const tinygltf::Model without = read_glb("t");
    EXPECT_TRUE(node_named(without, "BL_shbridge")->children.empty());
    EXPECT_TRUE(nodes_of_kind(without, "ceiling").empty());
}

TEST(Export, PaletteColoursAreUnlitMaterialsNamedAfterThem)
{
    const tinygltf::Model m = read_glb("");
    std::map<std::string, const tinygltf::Material*> by_name;
    for (const tinygltf::Material& mat : m.materials)
        by_name[mat.name] = &mat;
    for (const NamedColour& c : named_colours) {
        ASSERT_TRUE(by_name.count(c.name)) << c.name;
        const tinygltf::Material& mat = *by_name[c.name];
        EXPECT_EQ(mat.pbrMetallicRoughness.baseColorFactor,
                  (std::vector<double>{c.rgb[0], c.rgb[1], c.rgb[2], 1}))
            << c.name;
        EXPECT_TRUE(mat.extensions.count("KHR_materials_unlit")) << c.name;
    }
    // The magenta of the bridge's floor is one of the bridge's materials.
    const tinygltf::Node* bridge = node_named(m, "BL_shbridge");
    ASSERT_NE(bridge, nullptr);
    bool magenta = false;
    for (const tinygltf::Primitive& p : m.meshes[bridge->mesh].primitives)
        magenta |= m.materials[p.material].name == "magenta";
    EXPECT_TRUE(magenta);
    // The landing target is yellow lines, a colour outside the palette.
    const tinygltf::Model with_target = read_glb("x");
    const tinygltf::Node* target = node_named(with_target, "landing_target");
    ASSERT_NE(target, nullptr);
    const tinygltf::Primitive& line = with_target.meshes[target->mesh].primitives.at(0);
    EXPECT_EQ(line.mode, TINYGLTF_MODE_LINE_STRIP);
    EXPECT_EQ(with_target.materials[line.material].name, "rgb_ffff00");
}

TEST(Export, ConstructionAnimationShowsEachBlockAtItsStep)
{
    const tinygltf::Model m = read_glb("zjjj", true);  // the counter of the script is lifted
    ASSERT_EQ(nodes_of_kind(m, "block").size(), 139u);
    ASSERT_EQ(m.animations.size(), 1u);
    const tinygltf::Animation& a = m.animations[0];
    EXPECT_EQ(a.name, "construction");
    ASSERT_EQ(a.channels.size(), 140u);  // every block and the upright tubes
    const auto keys = [&](const tinygltf::AnimationChannel& c) {
        const tinygltf::AnimationSampler& s = a.samplers[c.sampler];
        EXPECT_EQ(s.interpolation, "STEP");
        const auto values = [&](int accessor) {
            const tinygltf::Accessor& acc = m.accessors[accessor];
            const tinygltf::BufferView& v = m.bufferViews[acc.bufferView];
            const float* f = reinterpret_cast<const float*>(m.buffers[v.buffer].data.data() +
                                                            v.byteOffset + acc.byteOffset);
            return std::vector<float>(f, f + acc.count * (acc.type == TINYGLTF_TYPE_VEC3 ? 3 : 1));
        };
        return std::make_pair(values(s.input), values(s.output));
    };
    for (const tinygltf::AnimationChannel& c : a.channels) {
        const tinygltf::Node& n = m.nodes[c.target_node];
        EXPECT_EQ(c.target_path, "scale");
        const auto [times, scales] = keys(c);
        if (n.name == "upright_tubes") {  // gone once the counter passes 16
            EXPECT_EQ(times, (std::vector<float>{0, 4.25f}));
            EXPECT_EQ(scales, (std::vector<float>{1, 1, 1, 0, 0, 0}));
        } else {
            const int p = n.extras.Get("position").GetNumberAsInt();
            EXPECT_EQ(times, (std::vector<float>{0, (p + 1) * 0.25f})) << n.name;
            EXPECT_EQ(scales, (std::vector<float>{0, 0, 0, 1, 1, 1})) << n.name;
        }
    }
    EXPECT_EQ(m.nodes[m.scenes[0].nodes[0]].extras.Get("blocks_shown").GetNumberAsInt(), 3);
}

// ---- the files on disk --------------------------------------------------------

class Files : public testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE((dir = test_tool::temporary_dir("tev-export-test")).empty()); }
    void TearDown() override { test_tool::remove_tree(dir); }

    std::vector<std::string> listing() const { return test_tool::listing(dir); }

    // Runs tev-export; returns its exit status and keeps its standard error.
    int run(const std::string& arguments)
    {
        const test_tool::Outcome o = test_tool::run_tool(std::string(TEV_EXPORT) + " " + arguments);
        error = o.err;
        return o.status;
    }

    std::string dir, error;
};

// Every vertex's extent along one axis of a file read back through assimp.
struct Extent {
    size_t faces = 0;
    double lo = 1e9, hi = -1e9;
};

Extent read_back(const std::string& path, int axis)
{
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(path, 0);
    EXPECT_NE(scene, nullptr) << path << ": " << importer.GetErrorString();
    Extent e;
    for (unsigned i = 0; scene && i < scene->mNumMeshes; ++i) {
        const aiMesh* mesh = scene->mMeshes[i];
        e.faces += mesh->mNumFaces;  // PLY reads a degenerate triangle back as a line or point
        for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
            e.lo = std::min<double>(e.lo, mesh->mVertices[v][axis]);
            e.hi = std::max<double>(e.hi, mesh->mVertices[v][axis]);
        }
    }
    return e;
}

TEST_F(Files, ObjStlAndPlyLoadBackWithAssimpInTheShipsFrame)
{
    testing::internal::CaptureStdout();
    const ShipModel deck_3 = capture_ship(request_for("nnnnnnnnnnnnn"));
    // Block 0 alone (ship y -10..-8) and the upright tubes (near y 0), no station.
    const ShipModel first_block = capture_ship(request_for("zjf"));
    testing::internal::GetCapturedStdout();
    size_t triangles = 0;
    for (const ModelPart& p : deck_3.parts)
        triangles += p.geometry.triangle_count() + p.ceiling.triangle_count();

    for (const std::string name : {"ship.obj", "ship.stl", "ship.ply"}) {
        std::string failure;
        ASSERT_TRUE(write_model_file(deck_3, dir + "/" + name, failure)) << failure;
        const Extent z = read_back(dir + "/" + name, 2);
        EXPECT_EQ(z.faces, triangles) << name;
        // Deck index 3 stands from z 7.5; the hull and station reach further.
        EXPECT_LT(z.lo, 7.5) << name;
        EXPECT_GT(z.hi, 10) << name;

        // The ship's own frame, not its mirror image.
        ASSERT_TRUE(write_model_file(first_block, dir + "/first-" + name, failure)) << failure;
        const Extent y = read_back(dir + "/first-" + name, 1);
        EXPECT_NEAR(y.lo, -10, 1e-4) << name;
        EXPECT_LT(y.hi, 8) << name;
    }
    std::ifstream mtl(dir + "/ship.mtl");
    std::string text((std::istreambuf_iterator<char>(mtl)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("newmtl magenta"), std::string::npos);
    EXPECT_EQ(listing(), (std::vector<std::string>{"first-ship.mtl", "first-ship.obj", "first-ship.ply",
                                                   "first-ship.stl", "ship.mtl", "ship.obj", "ship.ply",
                                                   "ship.stl"}));
}

TEST_F(Files, CommandLineMistakesGiveOneLineAndLeaveNoFile)
{
    EXPECT_EQ(run("--out " + dir + "/ship.dae"), 2);
    EXPECT_NE(error.find("ship.dae"), std::string::npos) << error;
    EXPECT_EQ(run("--keys 'j<Nope>' --out " + dir + "/ship.glb"), 2);
    EXPECT_NE(error.find("<Nope>"), std::string::npos) << error;
    EXPECT_EQ(run("--keys q --out " + dir + "/ship.glb"), 2);
    EXPECT_EQ(run("--parts-list " + dir + "/parts.txt"), 2);
    EXPECT_EQ(run(""), 2);
    EXPECT_EQ(run("--out " + dir + "/missing/ship.glb"), 1);
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
    EXPECT_NE(error.find("missing/ship.glb"), std::string::npos) << error;
    EXPECT_EQ(run("--out " + dir + "/missing/ship.obj --parts-list " + dir + "/parts.csv"), 1);
    EXPECT_TRUE(listing().empty()) << "a failed run left files behind";
}

// --web: the page's files beside the whole ship, which starts where the keys
// left the view; --html: the same page as one file. A built-in page is there
// only with the page's npm packages.
TEST_F(Files, WebPageHoldsEveryDeckAndStartsWhereTheKeysLeftTheView)
{
    const std::string site = dir + "/site/";
    const int status = run("--keys zjjju --web " + site);
    if (!TEV_WEB_PAGE) {
        EXPECT_EQ(status, 1);
        EXPECT_NE(error.find("without its web page"), std::string::npos) << error;
        return;
    }
    ASSERT_EQ(status, 0) << error;
    std::ifstream html(site + "index.html");
    const std::string text((std::istreambuf_iterator<char>(html)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("src=\"app.js\""), std::string::npos);
    for (const char* name : {"app.js", "style.css", "ship.js"})
        EXPECT_TRUE(std::ifstream(site + name).good()) << name;

    tinygltf::Model m;
    tinygltf::TinyGLTF loader;
    std::string failure, warning;
    ASSERT_TRUE(loader.LoadBinaryFromFile(&m, &failure, &warning, site + "ship.glb")) << failure;
    EXPECT_EQ(nodes_of_kind(m, "block").size(), 139u);  // every deck, though the keys chose one
    EXPECT_EQ(m.animations.size(), 1u);
    const tinygltf::Value& root = m.nodes[m.scenes[0].nodes[0]].extras;
    EXPECT_EQ(root.Get("blocks_shown").GetNumberAsInt(), 3);
    EXPECT_EQ(root.Get("deck_shown").GetNumberAsInt(), 0);

    EXPECT_EQ(run("--web " + site + " --out " + dir + "/ship.glb"), 2);
    EXPECT_EQ(run("--web " + site + "ship.glb"), 1);  // a file where the directory should be
    EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
    EXPECT_NE(error.find("site/ship.glb is not a directory"), std::string::npos) << error;
    // A site whose model cannot be written is taken back whole.
    const std::string blocked = dir + "/blocked/";
    std::filesystem::create_directories(blocked + "ship.glb");
    EXPECT_EQ(run("--web " + blocked), 1);
    EXPECT_NE(error.find("ship.glb: Is a directory"), std::string::npos) << error;
    EXPECT_EQ(test_tool::listing(blocked), std::vector<std::string>{"ship.glb"});

    EXPECT_EQ(run("--html " + dir + "/one.html --web " + site), 2);
    EXPECT_EQ(run("--html " + dir + "/one.htm"), 2);
    EXPECT_EQ(run("--html " + dir + "/missing/one.html"), 1);
    EXPECT_NE(error.find("missing/one.html"), std::string::npos) << error;
    EXPECT_EQ(run("--keys zjjju --html " + dir + "/one.html"), 0) << error;
}

TEST_F(Files, PartsListsNameEveryBlockDrawnInConstructionOrder)
{
    ASSERT_EQ(run("--keys zjjj --parts-list " + dir + "/parts.csv"), 0) << error;
    std::ifstream csv(dir + "/parts.csv");
    std::vector<std::string> rows;
    for (std::string row; std::getline(csv, row);)
        rows.push_back(row);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], "position,name,routine,deck_index,deck_number,x0,x1,y0,y1,z0,z1,colour");
    EXPECT_EQ(rows[1], "0,block_000,draw_corridor_x_panels_y1,5,17,0,8,-10,-8,12.5,15,mid_gray");

    ASSERT_EQ(run("--keys nnnnnnnnnnnnn --parts-list " + dir + "/parts.json --out " + dir +
                  "/deck.glb"),
              0)
        << error;
    std::ifstream json(dir + "/parts.json");
    const std::string text((std::istreambuf_iterator<char>(json)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\"name\": \"BL_shbridge\""), std::string::npos);
    EXPECT_NE(text.find("\"deck_index\": 3,\n      \"deck_number\": 19,\n      \"blocks\": 27"),
              std::string::npos)
        << text.substr(text.find("per_deck"));
}

// ---- faithful to OpenGL -------------------------------------------------------

// Triangles (and line segments) the capture backend makes of one frame, per
// kind of primitive, in the form feedback_counts prints.
std::string captured_counts(const std::string& keys)
{
    gl_capture::reset();
    gl_capture::state().tessellate = true;
    testing::internal::CaptureStdout();
    start_viewer("tev", request_for(keys).steps);
    testing::internal::GetCapturedStdout();
    gl_capture::clear_prims();
    display();
    long polygons[6] = {}, lines[6] = {};
    for (const gl_capture::Primitive& p : gl_capture::prims()) {
        const int k = p.kind == gl_capture::Kind::text ? 0 : int(p.kind) + 1;
        polygons[k] += long(p.triangles.size() / 3);
        if (p.kind == gl_capture::Kind::line_strip)
            lines[k] += long(p.points.size()) - 1;
    }
    const char* const names[] = {"other", "rect", "cylinder", "partial_disk", "sphere", "line_strip"};
    std::string out;
    for (int k = 0; k < 6; ++k)
        out += std::string(names[k]) + " " + std::to_string(polygons[k]) + " " +
               std::to_string(lines[k]) + "\n";
    return out;
}

class Faithful : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(Faithful, CaptureMakesAsManyPolygonsPerKindAsOpenGL)
{
    const std::string keys = GetParam().second;
    // The driver keeps some allocations to the end, which a sanitizer build
    // would report as leaks.
    const test_tool::Outcome real =
        test_tool::run_tool("ASAN_OPTIONS=detect_leaks=0 " + std::string(FEEDBACK_COUNTS) + " '" + keys + "'");
    ASSERT_EQ(real.status, 0) << "feedback_counts failed: " << real.err;
    EXPECT_EQ(captured_counts(keys), real.out);
}

INSTANTIATE_TEST_SUITE_P(Export, Faithful,
                         testing::Values(std::make_pair("start_up_view_with_the_earth", ""),
                                         std::make_pair("overhead_hull_target_ceilings", "eokxt")),
                         [](const auto& i) { return std::string(i.param.first); });

}  // namespace
