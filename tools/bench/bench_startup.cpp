// Start-up as a whole process: the time from starting the program to the
// first frame of its start window, and its peak memory, beside the same
// figures for a minimal Qt program that shows one label. Both run under the
// platform that QT_QPA_PLATFORM names (the offscreen one when unset).
//
//   bench_startup PROBE_PROGRAM PROBE_LABEL [RUNS]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The program's first frame may take at most this many times the minimal
// program's.
constexpr double Goal = 1.3;

struct Run {
    double ms = 0;
    long peakKb = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool runOnce(const char *program, Run &out)
{
    int pipeFd[2];
    if (pipe(pipeFd) != 0)
        return false;
    const long long started = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFd[1], STDOUT_FILENO);
        close(pipeFd[0]);
        close(pipeFd[1]);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeFd[1]);
    std::string text;
    char buf[64];
    ssize_t n;
    while ((n = read(pipeFd[0], buf, sizeof buf)) > 0)
        text.append(buf, static_cast<std::size_t>(n));
    close(pipeFd[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty())
        return false;
    out.ms = (std::atoll(text.c_str()) - started) / 1e6;
    out.peakKb = usage.ru_maxrss;
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup PROBE_PROGRAM PROBE_LABEL [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<double> programMs, labelMs, programKb, labelKb;
    for (int i = 0; i < runs; ++i) {
        // Alternate, so that both see the same state of the machine.
        Run p, l;
        if (!runOnce(argv[1], p) || !runOnce(argv[2], l)) {
            std::fprintf(stderr, "a probe failed to start or to draw\n");
            return 1;
        }
        programMs.push_back(p.ms);
        labelMs.push_back(l.ms);
        programKb.push_back(static_cast<double>(p.peakKb));
        labelKb.push_back(static_cast<double>(l.peakKb));
    }
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up over %d runs each, platform %s\n", runs, platform ? platform : "xcb");
    std::printf("%-44s median %8.1f ms  worst %8.1f ms\n", "minimal Qt program, first frame",
                median(labelMs), *std::max_element(labelMs.begin(), labelMs.end()));
    const double ratio = median(programMs) / median(labelMs);
    std::printf("%-44s median %8.1f ms  worst %8.1f ms  ratio %5.2f\n", "the program, start window's first frame",
                median(programMs), *std::max_element(programMs.begin(), programMs.end()), ratio);
    std::printf("%-44s %s (ratio at most %.2f)\n", "start-up goal", ratio <= Goal ? "met" : "NOT met", Goal);
    std::printf("%-44s median %8.1f MB\n", "minimal Qt program, peak memory", median(labelKb) / 1024);
    std::printf("%-44s median %8.1f MB                    ratio %5.2f\n", "the program, peak memory",
                median(programKb) / 1024, median(programKb) / median(labelKb));
    return 0;
}
