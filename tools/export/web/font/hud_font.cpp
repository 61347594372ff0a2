// Writes the heads-up font of the web page, src/hud_font.js: the glyphs of
// GLUT's 24-point Times Roman bitmap font, exactly as the installed freeglut
// library draws them (its font data is under the X11 licence). freeglut
// keeps the data to itself and hands each glyph to glBitmap; this program
// defines glBitmap, so that glutBitmapCharacter gives the glyph to it
// instead of to OpenGL. Only glutInit needs a display (DISPLAY, or a
// private Xvfb); no window is opened.
//   tev-hud-font OUT.js
// The page's copy is made with: cmake --build BUILD --target hud_font
#include <GL/freeglut.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/common/output_file.h"
#include "tools/common/virtual_display.h"

namespace {

struct Glyph {
    int width = 0, height = 0;
    float x_origin = 0, y_origin = 0, advance = 0;
    std::string rows;  // hex, bottom row first, (width + 7) / 8 bytes a row
};

Glyph captured;

}  // namespace

extern "C" void glBitmap(GLsizei width, GLsizei height, GLfloat xorig, GLfloat yorig, GLfloat xmove,
                         GLfloat, const GLubyte* bitmap)
{
    captured = {width, height, xorig, yorig, xmove, ""};
    const int bytes = (width + 7) / 8 * height;
    char hex[3];
    for (int i = 0; i < bytes; ++i) {
        std::snprintf(hex, sizeof hex, "%02x", bitmap[i]);
        captured.rows += hex;
    }
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: tev-hud-font OUT.js\n", stderr);
        return 2;
    }
    VirtualDisplay own;
    std::string error;
    if (!find_display(own, error)) {
        std::fprintf(stderr, "tev-hud-font: %s\n", error.c_str());
        return 1;
    }
    char name[] = "tev-hud-font";
    char* args[] = {name, nullptr};
    int count = 1;
    glutInit(&count, args);

    std::string js =
        "// GLUT's 24-point Times Roman bitmap font, as freeglut draws it (X11 licence).\n"
        "// Made by tools/export/web/font/hud_font.cpp from the installed freeglut;\n"
        "// not to be edited: cmake --build BUILD --target hud_font makes it again.\n"
        "// Each glyph: [width, height, x origin, y origin, advance, rows in hex,\n"
        "// bottom row first, (width + 7) >> 3 bytes a row, the leftmost pixel the\n"
        "// high bit], by character code from 32.\n"
        "export const HUD_FONT = [\n";
    for (int c = 32; c < 127; ++c) {
        captured = {};
        glutBitmapCharacter(GLUT_BITMAP_TIMES_ROMAN_24, c);
        char line[96];
        std::snprintf(line, sizeof line, "  [%d, %d, %g, %g, %g, '", captured.width, captured.height,
                      captured.x_origin, captured.y_origin, captured.advance);
        js += line + captured.rows + "'],  // " + (c == '\\' ? std::string("backslash") : std::string(1, char(c))) + "\n";
    }
    js += "];\n";
    glutExit();  // before the private display ends with `own`

    OutputFile out;
    if (!out.open(argv[1], error) || std::fputs(js.c_str(), out.stream()) < 0 || !out.commit(error)) {
        std::fprintf(stderr, "tev-hud-font: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
