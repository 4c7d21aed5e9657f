// Usage: x11_window_probe CAPTION X Y WIDTH HEIGHT
// Waits for a top-level window with the caption, checks its place and size on the screen, and
// asks it to close as a window manager's close box would (WM_DELETE_WINDOW).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

Window findByName(Display *display, Window window, const std::string &caption) {
    char *name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        const bool match = caption == name;
        XFree(name);
        if (match) return window;
    }
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i)
            found = findByName(display, children[i], caption);
        if (children) XFree(children);
    }
    return found;
}

bool isViewable(Display *display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s CAPTION X Y WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const std::string caption = argv[1];
    const int expected[4] = {std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                             std::atoi(argv[5])};

    Display *display = nullptr;
    Window window = 0;
    for (int attempt = 0; attempt < 200 && !window; ++attempt) {
        if (!display) display = XOpenDisplay(nullptr);
        if (display) {
            const Window found = findByName(display, DefaultRootWindow(display), caption);
            if (found && isViewable(display, found)) window = found;
        }
        if (!window) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!window) {
        std::fprintf(stderr, "no window \"%s\" appeared\n", caption.c_str());
        return 1;
    }

    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    const int actual[4] = {x, y, attributes.width, attributes.height};
    std::printf("window \"%s\" at %d,%d size %dx%d\n", caption.c_str(), x, y, actual[2], actual[3]);
    if (std::memcmp(actual, expected, sizeof actual) != 0) {
        std::fprintf(stderr, "expected at %d,%d size %dx%d\n", expected[0], expected[1],
                     expected[2], expected[3]);
        return 1;
    }

    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);
    XCloseDisplay(display);
    return 0;
}
