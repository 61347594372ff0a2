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

static NumberState next_state(NumberState s, int c)
{
    static const char infinity[] = "infinity";
    const int lower = std::tolower(c);
    const bool digit = std::isdigit(c), hex_digit = std::isxdigit(c);
    const bool plus_minus = c == '+' || c == '-';
    switch (s) {
    case start:
        if (plus_minus)
            return sign;
        [[fallthrough]];
    case sign:
        if (c == '0') return zero;
        if (digit) return decimal;
        if (c == '.') return decimal_point;
        if (lower == 'i') return inf_1;
        if (lower == 'n') return nan_1;
        return no_number;
    case zero:
        if (lower == 'x') return hex_mark;
        [[fallthrough]];
    case decimal:
        if (digit) return decimal;
        if (c == '.') return fraction;
        if (lower == 'e') return exponent_mark;
        return no_number;
    case decimal_point:
        return digit ? fraction : no_number;
    case fraction:
        if (digit) return fraction;
        return lower == 'e' ? exponent_mark : no_number;
    case exponent_mark:
        if (plus_minus) return exponent_sign;
        [[fallthrough]];
    case exponent_sign:
    case exponent:
        return digit ? exponent : no_number;
    case hex_mark:
        if (hex_digit) return hex;
        return c == '.' ? hex_point : no_number;
    case hex:
        if (hex_digit) return hex;
        if (c == '.') return hex_fraction;
        return lower == 'p' ? binary_mark : no_number;
    case hex_point:
        return hex_digit ? hex_fraction : no_number;
    case hex_fraction:
        if (hex_digit) return hex_fraction;
        return lower == 'p' ? binary_mark : no_number;
    case binary_mark:
        if (plus_minus) return binary_sign;
        [[fallthrough]];
    case binary_sign:
    case binary_exponent:
        return digit ? binary_exponent : no_number;
    case inf_1: case inf_2: case inf_3: case inf_4: case inf_5: case inf_6: case inf_7:
        return lower == infinity[s - inf_1 + 1] ? NumberState(s + 1) : no_number;
    case nan_1:
        return lower == 'a' ? nan_2 : no_number;
    case nan_2:
        return lower == 'n' ? nan_3 : no_number;
    case nan_3:
        return c == '(' ? nan_open : no_number;
    case nan_open:
        if (c == ')') return nan_closed;
        return std::isalnum(c) || c == '_' ? nan_open : no_number;
    default:
        return no_number;
    }
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
