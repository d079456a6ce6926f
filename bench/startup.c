/* Start-up benchmark: launches a program, times it until its first top-level window is
 * mapped, then reads its peak resident memory. Runs the two programs interleaved.
 * Usage: startup_bench RUNS -- PROGRAM_A [ARGS] -- PROGRAM_B [ARGS]
 * Prints one line per program: name, median ms, min ms, max ms, median peak KiB. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static long peak_kib(pid_t pid)
{
    char path[64], line[256];
    long kib = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f)
        return -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmHWM: %ld kB", &kib) == 1)
            break;
    fclose(f);
    return kib;
}

/* One start: the time to the first mapped top-level window, and the peak memory once it is up. */
static int run_once(Display* dpy, char** argv, double* ms, long* kib)
{
    Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, True);
    const double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        _exit(127);
    }
    int mapped = 0;
    while (!mapped && now_ms() - start < 20000) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && !ev.xmap.override_redirect) {
                mapped = 1;
                break;
            }
        }
        if (!mapped)
            usleep(200);
    }
    *ms = now_ms() - start;
    usleep(500 * 1000); /* let it finish painting the first frame */
    *kib = peak_kib(pid);
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
    XSelectInput(dpy, root, NoEventMask);
    XSync(dpy, True);
    return mapped;
}

static int cmp_double(const void* a, const void* b)
{
    double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}
static int cmp_long(const void* a, const void* b)
{
    long x = *(const long*)a, y = *(const long*)b;
    return (x > y) - (x < y);
}

int main(int argc, char** argv)
{
    if (argc < 5 || strcmp(argv[2], "--") != 0) {
        fprintf(stderr, "usage: %s RUNS -- PROGRAM_A [ARGS] -- PROGRAM_B [ARGS]\n", argv[0]);
        return 2;
    }
    const int runs = atoi(argv[1]);
    char** progs[2] = {argv + 3, NULL};
    for (int i = 3; i < argc; ++i)
        if (strcmp(argv[i], "--") == 0) {
            argv[i] = NULL;
            progs[1] = argv + i + 1;
        }
    if (!progs[1])
        return 2;
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "no display\n");
        return 1;
    }
    double* ms[2] = {calloc(runs, sizeof(double)), calloc(runs, sizeof(double))};
    long* kib[2] = {calloc(runs, sizeof(long)), calloc(runs, sizeof(long))};
    for (int r = 0; r < runs; ++r)
        for (int p = 0; p < 2; ++p)
            if (!run_once(dpy, progs[p], &ms[p][r], &kib[p][r])) {
                fprintf(stderr, "%s showed no window\n", progs[p][0]);
                return 1;
            }
    for (int p = 0; p < 2; ++p) {
        qsort(ms[p], runs, sizeof(double), cmp_double);
        qsort(kib[p], runs, sizeof(long), cmp_long);
        printf("%s %.1f %.1f %.1f %ld\n", progs[p][0], ms[p][runs / 2], ms[p][0], ms[p][runs - 1], kib[p][runs / 2]);
    }
    return 0;
}
