#pragma once
// Waiting in tests: events are processed until a condition holds or a deadline
// passes; never a fixed sleep.
#include <functional>

// True when the condition became true before the deadline.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
// Lets queued events (paints, posted calls) run until nothing is left or the deadline passes.
void DrainEvents(int timeoutMs = 200);
