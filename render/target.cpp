// The landing-bay target: a yellow axis cross three decks above the ship's
// origin, each arm marked with its letter, drawn in lines only.
#include "render/render.h"

#include <GL/gl.h>

namespace {

// A point of a letter: p runs along the letter's arm, q across it (for the Y
// the other way round), each letter within 0..1 by -0.5..0.5.
struct LetterPoint {
    float p, q;
};

// Places a point of a letter 4.4 out along its arm, scaled by 0.4.
using LetterPlacement = void (*)(float p, float q);

void on_x_arm(float p, float q) { glVertex3f(4.4f + 0.4f * p, 0.4f * q, 0); }
void on_y_arm(float p, float q) { glVertex3f(0.4f * p, 4.4f + 0.4f * q, 0); }
void on_z_arm(float p, float q) { glVertex3f(0, 0.4f * q, 4.4f + 0.4f * p); }

//                                   1            2           3            4            5            6
const LetterPoint x_points[] = {{0, -0.5f}, {1, 0.5f},  {0, 0.5f},   {1, -0.5f}};
const LetterPoint y_points[] = {{0, 0},     {0, 0.6f},  {-0.5f, 1},  {0.5f, 1}};
const LetterPoint z_points[] = {{1, 0.5f},  {0, 0.5f},  {1, -0.5f},  {0, -0.5f},  {0.25f, 0},  {0.75f, 0}};

// Point numbers, joined in order into a line strip; a negative number ends
// the strip and starts the next one at that point.
const int x_strokes[] = {1, 2, -3, 4};
const int y_strokes[] = {1, 2, 3, -2, 4};
const int z_strokes[] = {1, 2, 3, 4, -5, 6};

struct AxisLetter {
    const LetterPoint* points;
    const int* strokes;
    int stroke_count;
    LetterPlacement place;
};

template <int S>
constexpr AxisLetter letter(const LetterPoint* points, const int (&strokes)[S],
                            LetterPlacement place)
{
    return {points, strokes, S, place};
}

const AxisLetter axis_letters[] = {
    letter(x_points, x_strokes, on_x_arm),
    letter(y_points, y_strokes, on_y_arm),
    letter(z_points, z_strokes, on_z_arm),
};

void draw_letter(const AxisLetter& letter)
{
    glBegin(GL_LINE_STRIP);
    for (int i = 0; i < letter.stroke_count; ++i) {
        int number = letter.strokes[i];
        if (number < 0) {
            glEnd();
            glBegin(GL_LINE_STRIP);
            number = -number;
        }
        const LetterPoint& point = letter.points[number - 1];
        letter.place(point.p, point.q);
    }
    glEnd();
}

}  // namespace

void draw_landing_target()
{
    glPushMatrix();
    glTranslatef(0, 0, 7.5f);
    glColor3f(1, 1, 0);
    glLineWidth(2);

    glBegin(GL_LINE_STRIP);  // x and y arms
    glVertex3f(10, 0, 0);
    glVertex3f(0, 0, 0);
    glVertex3f(0, 10, 0);
    glEnd();
    glBegin(GL_LINE_STRIP);  // z arm
    glVertex3f(0, 0, 0);
    glVertex3f(0, 0, 10);
    glEnd();

    for (const AxisLetter& l : axis_letters)
        draw_letter(l);

    // Every other line of the program is 1 pixel wide.
    glLineWidth(1);
    glPopMatrix();
}
