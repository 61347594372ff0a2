#include "app/favourite_view.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "view/view_state.h"

const char favourite_view_file[] = "favview.sav";

// The lines of the file, in order: an int field or a float field each.
struct ViewLine {
    int ViewState::*integer;
    float ViewState::*real;
};

static const ViewLine view_lines[] = {
    {&ViewState::show_earth, nullptr},
    {&ViewState::far_clip,   nullptr},
    {nullptr, &ViewState::zoom},
    {nullptr, &ViewState::cam_x},
    {nullptr, &ViewState::cam_y},
    {nullptr, &ViewState::cam_z},
    {nullptr, &ViewState::cam_z},  // written twice; the second one read counts
    {nullptr, &ViewState::view_angle},
    {nullptr, &ViewState::view_pitch},
};

bool write_favourite_view(std::FILE* file)
{
    for (const ViewLine& line : view_lines) {
        const int written = line.integer ? std::fprintf(file, "%d\n", view_state.*line.integer)
                                         : std::fprintf(file, "%g\n", double(view_state.*line.real));
        if (written < 0)
            return false;
    }
    return true;
}

// ---- reading numbers as scanf does ------------------------------------------
// A conversion skips white space, then consumes the longest run of characters
// that is, or could still become, a number; the first character that cannot
// continue it stays unread. If the run is not a whole number the conversion
// fails, and those characters stay consumed.

static int skip_space(std::FILE* file)
{
    int c;
    do
        c = std::getc(file);
    while (c != EOF && std::isspace(c));
    return c;
}

static bool scan_int(std::FILE* file, int& value)
{
    int c = skip_space(file);
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = std::getc(file);
    }
    bool digits = false, too_large = false;
    long long magnitude = 0;
    for (; c != EOF && std::isdigit(c); c = std::getc(file)) {
        digits = true;
        if (!too_large) {
            magnitude = magnitude * 10 + (c - '0');
            too_large = magnitude > -static_cast<long long>(INT_MIN);
        }
    }
    std::ungetc(c, file);
    if (!digits || too_large || (!negative && magnitude > INT_MAX))
        return false;
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

// States of reading a floating-point number in the forms strtod accepts: a
// decimal or hexadecimal number with an optional exponent, inf, infinity,
// nan or nan(...), each after an optional sign.
enum NumberState {
    no_number,
    start, sign,
    zero, decimal, decimal_point, fraction, exponent_mark, exponent_sign, exponent,
    hex_mark, hex, hex_point, hex_fraction, binary_mark, binary_sign, binary_exponent,
    inf_1, inf_2, inf_3, inf_4, inf_5, inf_6, inf_7, inf_8,
    nan_1, nan_2, nan_3, nan_open, nan_closed,
};

// The states in which what was read so far is a whole number.
static bool is_whole(NumberState s)
{
    switch (s) {
    case zero: case decimal: case fraction: case exponent:
    case hex: case hex_fraction: case binary_exponent:
    case inf_3: case inf_8: case nan_3: case nan_closed:
        return true;
    default:
        return false;
    }
}

// What a character must be to take a transition: one of a few, a letter in
// either case, or a class of the C library's.
template <char C> static bool is(int c) { return c == C; }
template <char L> static bool letter(int c) { return std::tolower(c) == L; }
static bool plus_minus(int c) { return c == '+' || c == '-'; }
static bool digit(int c) { return std::isdigit(c); }
static bool hex_digit(int c) { return std::isxdigit(c); }
static bool name_char(int c) { return std::isalnum(c) || c == '_'; }

// The transitions of a number's reading: from a state, on a character that
// `accepts`, to a state. The first row that fits wins; a character that
// fits no row of its state ends the number.
struct Transition {
    NumberState from;
    bool (*accepts)(int c);
    NumberState to;
};

static const Transition transitions[] = {
    // from           accepts      to
    {start,           plus_minus,  sign},             // +
    {start,           is<'0'>,     zero},             // 0
    {start,           digit,       decimal},          // 1
    {start,           is<'.'>,     decimal_point},    // .
    {start,           letter<'i'>, inf_1},            // i
    {start,           letter<'n'>, nan_1},            // n
    {sign,            is<'0'>,     zero},             // +0
    {sign,            digit,       decimal},          // +1
    {sign,            is<'.'>,     decimal_point},    // +.
    {sign,            letter<'i'>, inf_1},            // +i
    {sign,            letter<'n'>, nan_1},            // +n
    {zero,            letter<'x'>, hex_mark},         // 0x
    {zero,            digit,       decimal},          // 01
    {zero,            is<'.'>,     fraction},         // 0.
    {zero,            letter<'e'>, exponent_mark},    // 0e
    {decimal,         digit,       decimal},          // 12
    {decimal,         is<'.'>,     fraction},         // 1.
    {decimal,         letter<'e'>, exponent_mark},    // 1e
    {decimal_point,   digit,       fraction},         // .5
    {fraction,        digit,       fraction},         // 1.5
    {fraction,        letter<'e'>, exponent_mark},    // 1.5e
    {exponent_mark,   plus_minus,  exponent_sign},    // 1e-
    {exponent_mark,   digit,       exponent},         // 1e3
    {exponent_sign,   digit,       exponent},         // 1e-3
    {exponent,        digit,       exponent},         // 1e35
    {hex_mark,        hex_digit,   hex},              // 0xf
    {hex_mark,        is<'.'>,     hex_point},        // 0x.
    {hex,             hex_digit,   hex},              // 0xff
    {hex,             is<'.'>,     hex_fraction},     // 0xf.
    {hex,             letter<'p'>, binary_mark},      // 0xfp
    {hex_point,       hex_digit,   hex_fraction},     // 0x.8
    {hex_fraction,    hex_digit,   hex_fraction},     // 0xf.8
    {hex_fraction,    letter<'p'>, binary_mark},      // 0xf.8p
    {binary_mark,     plus_minus,  binary_sign},      // 0xfp-
    {binary_mark,     digit,       binary_exponent},  // 0xfp3
    {binary_sign,     digit,       binary_exponent},  // 0xfp-3
    {binary_exponent, digit,       binary_exponent},  // 0xfp35
    {inf_1,           letter<'n'>, inf_2},            // in
    {inf_2,           letter<'f'>, inf_3},            // inf
    {inf_3,           letter<'i'>, inf_4},            // infi
    {inf_4,           letter<'n'>, inf_5},            // infin
    {inf_5,           letter<'i'>, inf_6},            // infini
    {inf_6,           letter<'t'>, inf_7},            // infinit
    {inf_7,           letter<'y'>, inf_8},            // infinity
    {nan_1,           letter<'a'>, nan_2},            // na
    {nan_2,           letter<'n'>, nan_3},            // nan
    {nan_3,           is<'('>,     nan_open},         // nan(
    {nan_open,        is<')'>,     nan_closed},       // nan()
    {nan_open,        name_char,   nan_open},         // nan(x
};

static NumberState next_state(NumberState s, int c)
{
    for (const Transition& t : transitions)
        if (t.from == s && t.accepts(c))
            return t.to;
    return no_number;
}

static bool scan_float(std::FILE* file, float& value)
{
    std::string text;
    NumberState state = start;
    int c = skip_space(file);
    for (; c != EOF; c = std::getc(file)) {
        const NumberState next = next_state(state, c);
        if (next == no_number)
            break;
        state = next;
        text.push_back(static_cast<char>(c));
    }
    std::ungetc(c, file);
    if (!is_whole(state))
        return false;
    value = std::strtof(text.c_str(), nullptr);  // out of range: infinity or zero
    return true;
}

void read_favourite_view(std::FILE* file)
{
    for (const ViewLine& line : view_lines) {
        if (line.integer)
            scan_int(file, view_state.*line.integer);
        else
            scan_float(file, view_state.*line.real);
    }
}

// ---- the file -------------------------------------------------------------------

void restore_favourite_view()
{
    std::FILE* file = std::fopen(favourite_view_file, "r");
    if (!file) {
        reset_view();
        return;
    }
    read_favourite_view(file);
    std::fclose(file);
}

static void report_unsaved(int error)
{
    std::printf("Can't save the view in %s: %s\n", favourite_view_file, std::strerror(error));
}

// The view goes to a new file beside the old one, which it replaces only once
// it is complete: a save that fails part-way leaves the earlier view intact.
void save_favourite_view()
{
    char temporary[] = "favview.sav.XXXXXX";
    const int fd = mkstemp(temporary);
    if (fd < 0) {
        report_unsaved(errno);
        return;
    }
    const mode_t mask = umask(0);  // give the file the permissions fopen would
    umask(mask);
    fchmod(fd, 0666 & ~mask);

    int error = 0;
    errno = 0;
    std::FILE* file = fdopen(fd, "w");
    if (!file) {
        error = errno;
        close(fd);
    } else {
        if (!write_favourite_view(file) || std::fflush(file) != 0 || fsync(fileno(file)) != 0)
            error = errno ? errno : EIO;
        if (std::fclose(file) != 0 && !error)
            error = errno;
    }
    if (!error && std::rename(temporary, favourite_view_file) != 0)
        error = errno;
    if (error) {
        std::remove(temporary);
        report_unsaved(error);
    }
}
