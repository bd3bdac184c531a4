/* Helper of measure.sh, talking to the X server directly so that it costs
 * the measured programs nothing.
 *
 *   window_watch start COMMAND [ARG...]
 *       Starts COMMAND in a process group of its own and waits for its first
 *       top-level window to be mapped. Prints "MILLISECONDS PGID WINDOW PID":
 *       the time from just before the start to the map, the process group to
 *       stop it by, the window, and the process that owns the window (from
 *       _NET_WM_PID, else the started process). The program keeps running.
 *   window_watch cards WINDOW
 *       Prints the share of near-white pixels in the window, in per cent:
 *       card faces are white, an empty table is not.
 */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

/* Helper windows (clipboard owners, input method) are small or never mapped. */
enum { MinimumSide = 100, TimeoutMs = 30000, PollMs = 2 };

static double nowMs(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long windowPid(Display* display, Window window)
{
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    long pid = 0;
    Atom wmPid = XInternAtom(display, "_NET_WM_PID", False);
    if (XGetWindowProperty(display, window, wmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success && data) {
        if (count == 1 && format == 32)
            pid = (long)*(unsigned long*)data;
        XFree(data);
    }
    return pid;
}

static int isMainWindow(Display* display, const XMapEvent* map)
{
    XWindowAttributes attributes;
    if (map->override_redirect || !XGetWindowAttributes(display, map->window, &attributes))
        return 0;
    return attributes.width >= MinimumSide && attributes.height >= MinimumSide;
}

static int start(Display* display, char** command)
{
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double started = nowMs();
    pid_t child = fork();
    if (child < 0) {
        perror("fork");
        return 1;
    }
    if (child == 0) {
        /* Our output is read to its end: the program must not hold it open. */
        int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(null);
        setsid();
        close(ConnectionNumber(display));
        execvp(command[0], command);
        perror(command[0]);
        _exit(127);
    }

    struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
    while (nowMs() - started < TimeoutMs) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && isMainWindow(display, &event.xmap)) {
                const double elapsed = nowMs() - started;
                long pid = windowPid(display, event.xmap.window);
                printf("%.1f %ld %lu %ld\n", elapsed, (long)child, event.xmap.window, pid ? pid : (long)child);
                return 0;
            }
        }
        poll(&connection, 1, PollMs);
    }
    fprintf(stderr, "window_watch: no window from %s within %d ms\n", command[0], TimeoutMs);
    kill(-child, SIGKILL);
    return 1;
}

static int cards(Display* display, Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return 1;
    XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image)
        return 1;
    long white = 0;
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            unsigned long pixel = XGetPixel(image, x, y);
            if (((pixel >> 16) & 0xff) > 220 && ((pixel >> 8) & 0xff) > 220 && (pixel & 0xff) > 220)
                ++white;
        }
    printf("%.1f\n", 100.0 * white / ((double)image->width * image->height));
    XDestroyImage(image);
    return 0;
}

int main(int argc, char** argv)
{
    if (argc < 3 || (strcmp(argv[1], "start") != 0 && strcmp(argv[1], "cards") != 0)) {
        fprintf(stderr, "usage: window_watch start COMMAND [ARG...] | window_watch cards WINDOW\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "window_watch: cannot open the display\n");
        return 1;
    }
    int result = strcmp(argv[1], "start") == 0 ? start(display, argv + 2)
                                               : cards(display, (Window)strtoul(argv[2], NULL, 0));
    XCloseDisplay(display);
    return result;
}
