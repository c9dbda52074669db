/* Starts a program and reports how long it took until a top-level window with a given title
 * was mapped, and the program's resident memory a while later.
 *
 *   mapwatch TITLE SETTLE_MS PROGRAM [ARGUMENTS...]
 *
 * Prints one line: "<milliseconds to map> <VmRSS in kB> <CPU milliseconds to map>"; the CPU
 * time of all the program's threads until the map tells its own work apart from waiting for
 * a machine shared with other jobs. The watch on the root window is in
 * place before the program starts, so no map can be missed, and the event arrives as the X
 * server maps the window, with no polling interval in the figure. Without a window manager
 * (as under Xvfb) a top-level window is a child of the root, and its MapNotify reaches the
 * root's SubstructureNotify watchers. The program is ended with SIGTERM afterwards. */
#define _POSIX_C_SOURCE 200809L

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <dirent.h>
#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double millisecondsSince(const struct timespec *start)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)(now.tv_sec - start->tv_sec) * 1e3 +
        (double)(now.tv_nsec - start->tv_nsec) / 1e6;
}

/* True when the window's WM_NAME or _NET_WM_NAME is exactly title, whatever its encoding
 * type (Qt writes UTF8_STRING, which XFetchName does not read). */
static int hasTitle(Display *display, Window window, const char *title)
{
    const Atom names[2] = { XA_WM_NAME, XInternAtom(display, "_NET_WM_NAME", False) };
    for (int i = 0; i < 2; ++i) {
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char *value = NULL;
        if (XGetWindowProperty(display, window, names[i], 0, 1024, False, AnyPropertyType, &type,
                               &format, &count, &after, &value) == Success &&
            value != NULL) {
            const int same =
                format == 8 && count == strlen(title) && memcmp(value, title, count) == 0;
            XFree(value);
            if (same)
                return 1;
        }
    }
    return 0;
}

static long residentKilobytes(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *status = fopen(path, "r");
    if (status == NULL)
        return -1;
    char line[256];
    long kilobytes = -1;
    while (fgets(line, sizeof line, status) != NULL) {
        if (strncmp(line, "VmRSS:", 6) == 0) {
            kilobytes = strtol(line + 6, NULL, 10);
            break;
        }
    }
    fclose(status);
    return kilobytes;
}

/* The CPU time of every thread of the process so far, from the scheduler's nanosecond count. */
static double cpuMilliseconds(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR *tasks = opendir(path);
    if (tasks == NULL)
        return -1;
    double total = 0;
    struct dirent *task;
    while ((task = readdir(tasks)) != NULL) {
        if (task->d_name[0] == '.')
            continue;
        char statPath[320];
        snprintf(statPath, sizeof statPath, "/proc/%d/task/%s/schedstat", (int)pid, task->d_name);
        FILE *stat = fopen(statPath, "r");
        if (stat == NULL)
            continue;
        unsigned long long nanoseconds = 0;
        if (fscanf(stat, "%llu", &nanoseconds) == 1)
            total += (double)nanoseconds / 1e6;
        fclose(stat);
    }
    closedir(tasks);
    return total;
}

/* Windows whose title is not yet set at their map are looked at again once it is. */
static int ignoreErrors(Display *display, XErrorEvent *error)
{
    (void)display;
    (void)error;
    return 0;
}

int main(int argc, char **argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: %s TITLE SETTLE_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const char *title = argv[1];
    const long settleMilliseconds = strtol(argv[2], NULL, 10);

    Display *display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "mapwatch: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    struct timespec start;
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid < 0) {
        perror("mapwatch: fork");
        return 1;
    }
    if (pid == 0) {
        close(ConnectionNumber(display));
        /* Only the figures go to standard output. */
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[3], argv + 3);
        perror("mapwatch: exec");
        _exit(127);
    }

    double mapped = -1;
    double cpu = -1;
    const int connection = ConnectionNumber(display);
    while (mapped < 0) {
        while (XPending(display) > 0 && mapped < 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect &&
                hasTitle(display, event.xmap.window, title)) {
                mapped = millisecondsSince(&start);
                cpu = cpuMilliseconds(pid);
            }
        }
        if (mapped >= 0)
            break;
        if (millisecondsSince(&start) > 30000) {
            fprintf(stderr, "mapwatch: no window \"%s\" within 30 s\n", title);
            kill(pid, SIGKILL);
            waitpid(pid, NULL, 0);
            return 1;
        }
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "mapwatch: the program ended before its window was mapped\n");
            return 1;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        struct timeval wait = { 0, 100000 };
        if (select(connection + 1, &readable, NULL, NULL, &wait) < 0 && errno != EINTR) {
            perror("mapwatch: select");
            return 1;
        }
    }

    struct timespec settle = { settleMilliseconds / 1000, (settleMilliseconds % 1000) * 1000000L };
    nanosleep(&settle, NULL);
    const long rss = residentKilobytes(pid);

    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    XCloseDisplay(display);

    printf("%.2f %ld %.2f\n", mapped, rss, cpu);
    return rss < 0 ? 1 : 0;
}
