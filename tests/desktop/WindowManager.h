#pragma once
// Waiting for the window manager in desktop tests: a question the window
// manager answers in turn with everything asked of it before (maps, unmaps,
// focus changes), so that once the answer is there, every activation it made
// on the program's behalf is queued for the program too.
#include <QMargins>

class QWidget;

namespace desktop_test {
// Asks the window manager and waits for its answer, then lets the program
// process what had arrived before it. False when no answer came in time.
bool WindowManagerBarrier(int timeoutMs = 3000);
// The frame the window manager put around a shown top-level window.
QMargins FrameExtents(const QWidget* topLevel);
} // namespace desktop_test
