#pragma once
// The interfaces behind toolkit/Accessible.h, for the toolkit's own sources.
#include <QAccessibleWidget>

#include "toolkit/AccessibleInfo.h"
#include "toolkit/Component.h"

class TControl;
class TForm;
class TWinControl;
class TRadioButton;

QAccessible::Role QtRoleOf(TAccessibleRole role, QAccessible::Role fallback);
TAccessibleInfo AccessibleInfoOf(const TControl* control);

// A surface that paints a control and its windowless children: the children,
// windowed or not, are its accessible children in the control's child order.
class TkSurfaceAccessible : public QAccessibleWidget {
public:
    TkSurfaceAccessible(QWidget* widget, TWinControl* control);
    bool isValid() const override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TWinControl* Control() const { return FControl.Get(); }
    TGuard<TWinControl> FControl;
};

// A form's window: a frame for the main window, a dialog for the others.
class TkFrameAccessible : public QAccessibleWidget {
public:
    TkFrameAccessible(QWidget* widget, TForm* form);
    QAccessible::Role role() const override;

private:
    TGuard<TForm> FForm;
};

// The toolkit's radio buttons decide their checking themselves, so Qt would
// take them for check boxes.
class TkRadioAccessible : public QAccessibleWidget {
public:
    TkRadioAccessible(QWidget* widget, TRadioButton* button);
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    TGuard<TRadioButton> FButton;
};

// A control without a widget: everything comes from the control itself.
class TkWindowlessAccessible : public QAccessibleInterface,
                               public QAccessibleActionInterface,
                               public QAccessibleValueInterface,
                               public QAccessibleTextInterface {
public:
    explicit TkWindowlessAccessible(TControl* control);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // Action.
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // Value, as a number.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

    // Value, in words.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override;

private:
    TGuard<TControl> FControl;
};
