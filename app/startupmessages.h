#pragma once

// While the toolkit starts, its messages are held back. If it cannot start
// (no display to open), the program prints one line of its own and exits
// with status 1 instead of aborting; if it starts, the held messages go out
// as usual.
namespace startupmessages {

void hold();
void release();

} // namespace startupmessages
