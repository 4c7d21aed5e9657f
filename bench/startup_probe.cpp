// Usage: startup_probe CAPTION PROGRAM [ARGUMENTS...]
// Starts PROGRAM and prints the milliseconds from starting it until the X server maps its
// top-level window with the caption CAPTION; then closes that window as a close box would and
// waits for the program to end. Needs DISPLAY, and no other window of that caption.
// Qt's headers first: Xlib defines macros (Bool, Status) that they use as names.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

bool hasCaption(Display *display, Window window, const std::string &caption) {
    char *name = nullptr;
    if (!XFetchName(display, window, &name) || !name) return false;
    const bool match = caption == name;
    XFree(name);
    return match;
}

void askToClose(Display *display, Window window) {
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s CAPTION PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string caption = argv[1];
    // A server that has just started may not take connections yet.
    Display *display = nullptr;
    for (int attempt = 0; attempt < 100 && !display; ++attempt) {
        display = XOpenDisplay(nullptr);
        if (!display) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    // Top-level windows are children of the root: their MapNotify comes here, with no window
    // manager in between.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    QStringList arguments;
    for (int i = 3; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer clock;
    clock.start();
    program.start(QString::fromLocal8Bit(argv[2]), arguments);
    if (!program.waitForStarted(5000)) {
        std::fprintf(stderr, "cannot start %s\n", argv[2]);
        return 1;
    }

    Window window = 0;
    qint64 mappedAfterNs = 0;
    while (!window) {
        if (!XPending(display)) {
            if (clock.elapsed() > 10000) {
                std::fprintf(stderr, "no window \"%s\" was mapped\n", caption.c_str());
                program.kill();
                program.waitForFinished();
                return 1;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && hasCaption(display, event.xmap.window, caption)) {
            mappedAfterNs = clock.nsecsElapsed();
            window = event.xmap.window;
        }
    }
    std::printf("%.1f\n", double(mappedAfterNs) / 1e6);
    std::fflush(stdout);

    askToClose(display, window);
    if (!program.waitForFinished(10000)) {
        std::fprintf(stderr, "%s did not end after its window was closed\n", argv[2]);
        program.kill();
        program.waitForFinished();
        return 1;
    }
    XCloseDisplay(display);
    return 0;
}
