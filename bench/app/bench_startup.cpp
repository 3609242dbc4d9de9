// How long the program takes from its start to a painted main window, and
// how much memory it takes for that, against a bare Qt Widgets window with a
// menu bar and 88 line edits (startup_bare_window). Both run as child
// processes, alternately, so a busy moment of the machine falls on both; each
// reports the moment its window has painted on its standard output and then
// ends itself. The program is told to by LOAN_EXIT_AFTER_FIRST_PAINT. The
// wall time runs from the spawn to that moment; peak memory and processor
// time are the child's own over its whole run, from wait4().

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int Runs = 9;
constexpr double TargetRatio = 1.3;

struct Sample
{
    double milliseconds = 0;
    double wholeRunMilliseconds = 0;
    double cpuMilliseconds = 0;
    double peakMiB = 0;
};

double Now()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The environment of every child: headless, and with configuration and cache
// folders of its own, so no real settings or help index are touched.
std::vector<std::string> ChildEnvironment(const QString& folder)
{
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text(*entry);
        const std::string name = text.substr(0, text.find('='));
        if (name != "QT_QPA_PLATFORM" && name != "XDG_CONFIG_HOME" && name != "XDG_CACHE_HOME"
            && name != "LOAN_EXIT_AFTER_FIRST_PAINT")
            entries.push_back(text);
    }
    const std::string base = folder.toStdString();
    entries.push_back("QT_QPA_PLATFORM=offscreen");
    entries.push_back("XDG_CONFIG_HOME=" + base + "/config");
    entries.push_back("XDG_CACHE_HOME=" + base + "/cache");
    entries.push_back("LOAN_EXIT_AFTER_FIRST_PAINT=1");
    return entries;
}

// The child's "painted <ms>" line, read until it closes its output; 0 when
// it never said.
double PaintedAt(int output)
{
    std::string text;
    char buffer[256];
    for (ssize_t got; (got = read(output, buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            text.append(buffer, static_cast<std::size_t>(got));
        else if (errno != EINTR)
            break;
    }
    const std::string::size_type at = text.find("painted ");
    return at == std::string::npos ? 0 : std::strtod(text.c_str() + at + 8, nullptr);
}

bool Run(const std::string& program, const std::vector<std::string>& environment, Sample& sample)
{
    std::vector<char*> envp;
    for (const std::string& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    int report[2];
    if (pipe(report) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], 1);
    posix_spawn_file_actions_addclose(&actions, report[0]);
    // The children's messages would only blur the report.
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const double start = Now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    if (spawned != 0) {
        close(report[0]);
        return false;
    }
    const double painted = PaintedAt(report[0]);
    close(report[0]);
    int status = 0;
    rusage usage{};
    pid_t ended = 0;
    do {
        ended = wait4(child, &status, 0, &usage);
    } while (ended < 0 && errno == EINTR);
    sample.wholeRunMilliseconds = Now() - start;
    sample.milliseconds = painted - start;
    sample.cpuMilliseconds = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                             + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    sample.peakMiB = usage.ru_maxrss / 1024.0;
    return ended == child && WIFEXITED(status) && WEXITSTATUS(status) == 0 && painted > start;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Report(const char* what, const char* unit, double program, double bare)
{
    const double ratio = program / bare;
    std::printf("bench_startup: %s: program %.1f %s, bare window %.1f %s, ratio %.2f "
                "(target at most %.1f: %s)\n",
                what, program, unit, bare, unit, ratio, TargetRatio,
                ratio <= TargetRatio ? "met" : "MISSED");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "bench_startup: no temporary folder\n");
        return 1;
    }
    const std::string bin = QCoreApplication::applicationDirPath().toStdString();
    const std::string program = bin + "/Loan";
    const std::string bare = bin + "/startup_bare_window";
    const std::vector<std::string> environment = ChildEnvironment(folder.path());

    // A first run of each is not counted: the program makes its settings
    // file and help index then, which it does once per user, and both find
    // their libraries in the disk cache afterwards as on a usual start.
    Sample sample;
    if (!Run(program, environment, sample) || !Run(bare, environment, sample)) {
        std::fprintf(stderr, "bench_startup: %s or %s did not start and end cleanly\n", program.c_str(),
                     bare.c_str());
        return 1;
    }
    std::vector<double> programMs, programWhole, programCpu, programMiB, bareMs, bareWhole, bareCpu, bareMiB;
    for (int run = 0; run < Runs; ++run) {
        if (!Run(program, environment, sample))
            return 1;
        programMs.push_back(sample.milliseconds);
        programWhole.push_back(sample.wholeRunMilliseconds);
        programCpu.push_back(sample.cpuMilliseconds);
        programMiB.push_back(sample.peakMiB);
        if (!Run(bare, environment, sample))
            return 1;
        bareMs.push_back(sample.milliseconds);
        bareWhole.push_back(sample.wholeRunMilliseconds);
        bareCpu.push_back(sample.cpuMilliseconds);
        bareMiB.push_back(sample.peakMiB);
    }
    std::printf("bench_startup: start to first painted window, median of %d runs each\n", Runs);
    Report("wall time", "ms", Median(programMs), Median(bareMs));
    Report("peak memory", "MiB", Median(programMiB), Median(bareMiB));
    // Not targets: the whole run, with the program saving its settings as
    // it closes, and the processor time alone, which a machine busy with
    // other work blurs less than the wall time.
    std::printf("bench_startup: processor time (user and system): program %.1f ms, bare window %.1f ms, "
                "ratio %.2f\n",
                Median(programCpu), Median(bareCpu), Median(programCpu) / Median(bareCpu));
    std::printf("bench_startup: whole run, start to exit: program %.1f ms, bare window %.1f ms, ratio %.2f\n",
                Median(programWhole), Median(bareWhole), Median(programWhole) / Median(bareWhole));
    return 0;
}
