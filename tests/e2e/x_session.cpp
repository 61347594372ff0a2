#include "tests/e2e/x_session.h"

#include "tools/common/picture.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace e2e {

using Clock = std::chrono::steady_clock;

static void pause(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

static Clock::time_point deadline(double seconds)
{
    return Clock::now() + std::chrono::duration_cast<Clock::duration>(
                              std::chrono::duration<double>(seconds));
}

// ---- images ------------------------------------------------------------------

static bool close_to(const Pixel& p, const Pixel& c, int tol)
{
    return std::abs(p.r - c.r) <= tol && std::abs(p.g - c.g) <= tol && std::abs(p.b - c.b) <= tol;
}

double Image::share(Pixel c, int tol) const
{
    if (pixels.empty())
        return 0;
    return double(count(c, 0, 0, width, height, tol)) / double(pixels.size());
}

int Image::count(Pixel c, int x0, int y0, int x1, int y1, int tol) const
{
    int n = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, height); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, width); ++x)
            n += close_to(at(x, y), c, tol);
    return n;
}

void Image::save_png(const std::string& path) const
{
    Picture picture;
    picture.width = width;
    picture.height = height;
    for (const Pixel& p : pixels)
        picture.rgba.insert(picture.rgba.end(), {p.r, p.g, p.b, 255});
    std::string error;
    if (!write_png(path, picture, false, error))
        std::fprintf(stderr, "%s\n", error.c_str());
}

// ---- the program ---------------------------------------------------------------

static std::string window_name(Display* x, Window w)
{
    char* name = nullptr;
    std::string s;
    if (XFetchName(x, w, &name) && name) {
        s = name;
        XFree(name);
    }
    return s;
}

static Window find_window(Display* x, const std::string& title)
{
    Window root_return, parent, *children = nullptr;
    unsigned n = 0;
    Window found = 0;
    if (XQueryTree(x, DefaultRootWindow(x), &root_return, &parent, &children, &n)) {
        for (unsigned i = 0; i < n && !found; ++i) {
            XWindowAttributes a;
            if (window_name(x, children[i]) == title && XGetWindowAttributes(x, children[i], &a) &&
                a.map_state == IsViewable)
                found = children[i];
        }
        if (children)
            XFree(children);
    }
    return found;
}

Tev::Tev(const std::string& display, const std::string& work_dir, bool unprivileged)
    : work_dir_(work_dir)
{
    mkdir(work_dir.c_str(), 0755);
    const int out = open((work_dir + "/stdout.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open((work_dir + "/stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_ = fork();
    if (pid_ == 0) {
        if (unprivileged && geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(125);
        if (chdir(work_dir.c_str()) != 0)
            _exit(126);
        setenv("DISPLAY", display.c_str(), 1);
        dup2(out, 1);
        dup2(err, 2);
        execl(TEV_BINARY, "tev", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out);
    close(err);
    x_ = XOpenDisplay(display.c_str());
    if (!x_)
        throw std::runtime_error("cannot open display " + display);
    for (auto end = deadline(20); !window_ && Clock::now() < end; pause(0.05))
        window_ = find_window(x_, "TEV V1.0");
    // The window stays black until the first frame, which a busy machine
    // draws late.
    const Pixel black{0, 0, 0};
    for (auto end = deadline(20); window_ && Clock::now() < end && screenshot().share(black) == 1;)
        pause(0.05);
    settle();
}

Tev::~Tev()
{
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (x_)
        XCloseDisplay(x_);
}

std::string Tev::title() const { return window_name(x_, window_); }

void Tev::geometry(int& x, int& y, int& width, int& height) const
{
    XWindowAttributes a;
    XGetWindowAttributes(x_, window_, &a);
    Window child;
    XTranslateCoordinates(x_, window_, DefaultRootWindow(x_), 0, 0, &x, &y, &child);
    width = a.width;
    height = a.height;
}

// Gives the program time to handle what was sent and to draw the frame.
void Tev::settle() const
{
    XSync(x_, False);
    pause(0.7);
}

void Tev::press(unsigned long keysym, bool shift)
{
    XSetInputFocus(x_, window_, RevertToParent, CurrentTime);
    XWarpPointer(x_, None, window_, 0, 0, 0, 0, 320, 320);
    const KeyCode shift_key = XKeysymToKeycode(x_, XK_Shift_L);
    const KeyCode key = XKeysymToKeycode(x_, keysym);
    if (shift)
        XTestFakeKeyEvent(x_, shift_key, True, 0);
    XTestFakeKeyEvent(x_, key, True, 0);
    XTestFakeKeyEvent(x_, key, False, 0);
    if (shift)
        XTestFakeKeyEvent(x_, shift_key, False, 0);
    settle();
}

Image Tev::screenshot() const
{
    Image image;
    XWindowAttributes a;
    XGetWindowAttributes(x_, window_, &a);
    XImage* xi = XGetImage(x_, window_, 0, 0, unsigned(a.width), unsigned(a.height), AllPlanes, ZPixmap);
    if (!xi)
        return image;
    image.width = a.width;
    image.height = a.height;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const unsigned long p = XGetPixel(xi, x, y);
            image.pixels.push_back({uint8_t((p & xi->red_mask) >> 16), uint8_t((p & xi->green_mask) >> 8),
                                    uint8_t(p & xi->blue_mask)});
        }
    XDestroyImage(xi);
    return image;
}

std::string Tev::output() const
{
    std::ifstream in(work_dir_ + "/stdout.txt", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool Tev::wait_for_output(const std::string& text, double seconds) const
{
    for (auto end = deadline(seconds); Clock::now() < end; pause(0.05))
        if (output().find(text) != std::string::npos)
            return true;
    return false;
}

int Tev::wait_exit(double seconds)
{
    int status = 0;
    for (auto end = deadline(seconds); Clock::now() < end; pause(0.05))
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
    return -1;
}

}  // namespace e2e
