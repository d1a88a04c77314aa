#pragma once
// The start-up benchmark's stopwatch, the same for the bare program and for Quendrel:
// once the first window has been exposed and painted, it prints the monotonic clock in
// nanoseconds on one line of stdout and ends the process. It watches the toolkit's
// events from outside, so the program under measure needs no hook of its own.
void ExitOnFirstExpose();
