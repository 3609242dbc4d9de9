#pragma once

// With LOAN_EXIT_AFTER_FIRST_PAINT=1 in its environment the program ends as
// soon as its main window has painted for the first time, and writes
// "painted <ms>" to its standard output then, the system's monotonic clock
// in milliseconds. The start-up benchmark (bench_startup) times the
// program's own start-up this way, from the process starting to the first
// picture of the window; without the variable nothing changes.
namespace FirstPaintExit {

void ArmIfAsked();

} // namespace FirstPaintExit
