#include "tools/common/virtual_display.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

static bool on_path(const char* program)
{
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        const std::string candidate = dirs.substr(start, end - start) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

VirtualDisplay::~VirtualDisplay()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
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
    if (pid_ == 0) {
        // The server must not outlive us, however we end.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(1);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        const int fd = dup(fds[1]);  // without close-on-exec
        const std::string fd_text = std::to_string(fd);
        // -displayfd makes Xvfb choose a free display number and write it
        // once it accepts connections.
        execlp("Xvfb", "Xvfb", "-displayfd", fd_text.c_str(), "-screen", "0", "1024x768x24",
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (pid_ < 0) {
        close(fds[0]);
        error = std::string("cannot start Xvfb: ") + std::strerror(errno);
        return false;
    }
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (poll(&p, 1, 20000) > 0) {
        char c;
        if (read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
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
    if (display && *display)
        return true;
    if (!own.start(error))
        return false;
    setenv("DISPLAY", own.name().c_str(), 1);
    return true;
}
