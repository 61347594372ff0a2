// A private virtual X server (Xvfb) on a free display number, for drawing
// with OpenGL where there is no screen. It is told to end with this object,
// or with the process that started it.
#pragma once

#include <string>

struct _XDisplay;

class VirtualDisplay {
public:
    VirtualDisplay() = default;
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    ~VirtualDisplay();

    // Starts Xvfb and waits until it accepts connections. On failure `error`
    // is one line: Xvfb missing (naming the Debian package) or not starting.
    bool start(std::string& error);
    // The display name, such as ":3", once started.
    const std::string& name() const { return name_; }

private:
    friend bool find_display(VirtualDisplay& own, std::string& error);
    int pid_ = -1;
    std::string name_;
    _XDisplay* held_ = nullptr;  // the connection find_display tried
};

// A display to draw on: the one DISPLAY names, or else `own`, started and
// put into DISPLAY for this process and the toolkit. Fails with one line in
// `error` when neither can be opened. The connection it tries stays open as
// long as `own`: an X server without -noreset resets when its last client
// leaves, and refuses the toolkit's connection while it does.
bool find_display(VirtualDisplay& own, std::string& error);
