#pragma once

#include <cstdio>

#include <time.h>

// With LOAN_EXIT_AFTER_FIRST_PAINT=1 in its environment the program ends as
// soon as its main window has painted for the first time, and writes
// "painted <ms>" to its standard output then, the system's monotonic clock
// in milliseconds. The start-up benchmark (bench_startup) times the
// program's own start-up this way, from the process starting to the first
// picture of the window; without the variable nothing changes.
namespace FirstPaintExit {

void ArmIfAsked();

// The report itself; inline, so that the benchmark's bare window, which
// links Qt Widgets alone, reports the same way.
inline void ReportPainted()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("painted %.3f\n", now.tv_sec * 1e3 + now.tv_nsec / 1e6);
    std::fflush(stdout);
}

} // namespace FirstPaintExit
