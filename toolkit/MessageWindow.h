#pragma once
// A hidden message receiver with numbered timers: a tick arrives at its
// procedure as WM_TIMER with the timer number in WParam.
#include <functional>
#include <map>
#include <memory>

#include "toolkit/Types.h"

class QTimer;

using TWndMethod = std::function<void(TMessage& Message)>;

class TMessageWindow {
public:
    explicit TMessageWindow(TWndMethod wndProc);
    ~TMessageWindow();
    TMessageWindow(const TMessageWindow&) = delete;
    TMessageWindow& operator=(const TMessageWindow&) = delete;

    // Starts (or restarts from zero) timer number id; false when refused.
    bool SetTimer(unsigned id, unsigned milliseconds);
    void KillTimer(unsigned id);
    bool TimerActive(unsigned id) const;
    void Send(TMessage& message);
    // The default procedure: handles nothing, answers 0.
    static intptr_t DefWindowProc(const TMessage& message);

    // Tests make the system refuse new timers.
    static void SetRefuseTimers(bool refuse);

private:
    TWndMethod FWndProc;
    std::map<unsigned, std::unique_ptr<QTimer>> FTimers;
};
