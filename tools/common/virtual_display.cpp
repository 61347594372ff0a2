#include "tools/common/virtual_display.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

static bool on_path(const char* program)
{
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "/usr/bin:/bin");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (access((std::filesystem::path(dir) / program).c_str(), X_OK) == 0)
            return true;
    return false;
}

VirtualDisplay::~VirtualDisplay()
{
    if (held_)
        XCloseDisplay(held_);
    // Told to end, not waited for: it takes a while to, and needs nothing
    // more from us. A process that ends leaves it to be reaped by init.
    if (pid_ > 0)
        kill(pid_, SIGTERM);
}

// In the child: Xvfb, silent, writing its display number to `fd` once it
// accepts connections.
[[noreturn]] static void exec_xvfb(pid_t parent, int fd)
{
    // The server must not outlive us, however we end.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent)
        _exit(1);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    const int inherited = dup(fd);  // without close-on-exec
    const std::string fd_text = std::to_string(inherited);
    // -displayfd makes Xvfb choose a free display number and write it
    // once it accepts connections.
    execlp("Xvfb", "Xvfb", "-displayfd", fd_text.c_str(), "-screen", "0", "1024x768x24",
           "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
}

// The display number Xvfb writes, a line; empty if it writes none within
// 20 seconds.
static std::string read_display_number(int fd)
{
    std::string number;
    pollfd p{fd, POLLIN, 0};
    while (poll(&p, 1, 20000) > 0) {
        char c;
        if (read(fd, &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    return number;
}

bool VirtualDisplay::start(std::string& error)
{
    if (!on_path("Xvfb")) {
        error = "Xvfb is not installed (Debian package xvfb); it draws the pictures when there "
                "is no display";
        return false;
    }
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        error = std::string("cannot start Xvfb: ") + std::strerror(errno);
        return false;
    }
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0)
        exec_xvfb(parent, fds[1]);
    close(fds[1]);
    if (pid_ < 0) {
        close(fds[0]);
        error = std::string("cannot start Xvfb: ") + std::strerror(errno);
        return false;
    }
    // A GL context on Xvfb uses Mesa's software driver, which takes about as
    // long to load as Xvfb takes to start: loaded now, the two overlap. It
    // stays loaded, and the toolkit's context finds it so.
    if (*TEV_SOFTWARE_GL_DRIVER)
        dlopen(TEV_SOFTWARE_GL_DRIVER, RTLD_NOW | RTLD_GLOBAL);
    const std::string number = read_display_number(fds[0]);
    close(fds[0]);
    if (number.empty()) {
        error = "Xvfb did not start";
        return false;
    }
    name_ = ":" + number;
    return true;
}

bool find_display(VirtualDisplay& own, std::string& error)
{
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        if (!own.start(error))
            return false;
        setenv("DISPLAY", own.name().c_str(), 1);
    }
    // The toolkit would end the process on a display it cannot open.
    own.held_ = XOpenDisplay(nullptr);
    if (!own.held_) {
        error = std::string("cannot open the X display ") + std::getenv("DISPLAY");
        return false;
    }
    return true;
}
