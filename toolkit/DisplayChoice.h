#pragma once
// Which window system the program starts on, decided before Qt starts, so
// that a desktop Qt cannot use ends in a sentence and exit code 1 instead of
// Qt's abort. X11 comes first (through XWayland on a Wayland session), because
// only there may a program place its own popups; native Wayland is the
// fallback when no X server answers but a compositor and Qt's Wayland plugin
// are there.
#include <string>

#include "toolkit/DisplayFacts.h"

struct TDisplayChoice {
    // False: the program cannot start; Message says why.
    bool Ok = false;
    // The platform to put into QT_QPA_PLATFORM; empty leaves it as it is.
    std::string Platform;
    // Ok: a one-line note for stderr (empty when there is nothing to say);
    // otherwise the reason the program cannot start.
    std::string Message;

    // Asks only the probes the decision needs.
    static TDisplayChoice Choose(const TDisplayFacts& facts);
};
