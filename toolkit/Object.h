#pragma once
// Root of the class tree. Several parts of the program recognise a component by
// its exact class name rather than by inheritance, so every class reports its own.
#include <functional>

class TObject {
public:
    virtual ~TObject() = default;
    virtual const char* ClassName() const { return "TObject"; }
};

// Placed in the public section of every class that must report its exact name.
#define TK_CLASS_NAME(Name) \
    const char* ClassName() const override { return #Name; }

using TNotifyEvent = std::function<void(TObject* Sender)>;
