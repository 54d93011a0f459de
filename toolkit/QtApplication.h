#pragma once
// Qt's application object as the toolkit runs it: it notes while an event
// from the keyboard (or a screen reader's action) is being handled, so that
// what such input closes can hand the keyboard back where it came from.
#include <QApplication>

class TkQtApplication : public QApplication {
public:
    TkQtApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    static bool HandlingKeyboard() { return FKeyboardDepth > 0; }

    // Marks input that acts for the keyboard user (a screen reader's press).
    class KeyboardScope {
    public:
        KeyboardScope() { ++FKeyboardDepth; }
        ~KeyboardScope() { --FKeyboardDepth; }
        KeyboardScope(const KeyboardScope&) = delete;
        KeyboardScope& operator=(const KeyboardScope&) = delete;
    };

private:
    static inline int FKeyboardDepth = 0;
};
