#pragma once
// The runtime's quit state, for the test drivers.
namespace fw::detail {

// The status of the first Quit, or -1 when none was asked for.
int QuitStatus();
// Forgets a Quit, so the next one counts again.
void ResetQuitState();

}  // namespace fw::detail
