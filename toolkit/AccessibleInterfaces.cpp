#include "toolkit/AccessibleInterfaces.h"

#include <QWidget>
#include <QWindow>

#include "toolkit/Accessible.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/QtApplication.h"
#include "toolkit/QtBridge.h"
#include "toolkit/RadioButton.h"
#include "toolkit/WinControl.h"

namespace {
const QString PressAction = QAccessibleActionInterface::pressAction();

void AddStates(QAccessible::State& s, TAccessibleStates states)
{
    if (states & asFocusable)
        s.focusable = true;
    if (states & asFocused)
        s.focused = true;
    if (states & asCheckable)
        s.checkable = true;
    if (states & asChecked)
        s.checked = true;
    if (states & asExpandable)
        s.expandable = true;
    if (states & asExpanded)
        s.expanded = true;
}

// A screen reader's press acts for the keyboard user, as Enter would.
void Press(TControl* control)
{
    if (!control)
        return;
    TkQtApplication::KeyboardScope scope;
    Application->Guard(control, [control] { control->AccessiblePress(); });
}
} // namespace

QAccessible::Role QtRoleOf(TAccessibleRole role, QAccessible::Role fallback)
{
    switch (role) {
    case arWindow: return QAccessible::Window;
    case arDialog: return QAccessible::Dialog;
    case arClient: return QAccessible::Client;
    case arPanel: return QAccessible::Pane;
    case arImage: return QAccessible::Graphic;
    case arLabel: return QAccessible::StaticText;
    case arPushButton: return QAccessible::Button;
    case arRadioButton: return QAccessible::RadioButton;
    case arSpinButton: return QAccessible::SpinBox;
    case arText: return QAccessible::EditableText;
    case arDefault: break;
    }
    return fallback;
}

TAccessibleInfo AccessibleInfoOf(const TControl* control)
{
    TAccessibleInfo info;
    if (control)
        control->GetAccessibleInfo(info);
    return info;
}

// ---- Surfaces -----------------------------------------------------------------

TkSurfaceAccessible::TkSurfaceAccessible(QWidget* widget, TWinControl* control)
    : QAccessibleWidget(widget, QAccessible::Client), FControl(control)
{
}

bool TkSurfaceAccessible::isValid() const
{
    return QAccessibleWidget::isValid() && FControl.Alive();
}

QAccessible::Role TkSurfaceAccessible::role() const
{
    const TWinControl* c = Control();
    // A form's client area only carries what lies on it.
    if (!c || dynamic_cast<const TForm*>(c))
        return QAccessible::Client;
    return QtRoleOf(AccessibleInfoOf(c).Role, QAccessible::Pane);
}

QString TkSurfaceAccessible::text(QAccessible::Text t) const
{
    const TWinControl* c = Control();
    if (!c || dynamic_cast<const TForm*>(c))
        return QAccessibleWidget::text(t);
    const TAccessibleInfo info = AccessibleInfoOf(c);
    switch (t) {
    case QAccessible::Name: return ToQString(info.Name);
    case QAccessible::Description: return ToQString(info.Description);
    case QAccessible::Value: return ToQString(info.Value);
    default: return QAccessibleWidget::text(t);
    }
}

QAccessible::State TkSurfaceAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (const TWinControl* c = Control())
        AddStates(s, AccessibleInfoOf(c).States);
    return s;
}

int TkSurfaceAccessible::childCount() const
{
    const TWinControl* c = Control();
    return c ? c->ControlCount() : 0;
}

QAccessibleInterface* TkSurfaceAccessible::child(int index) const
{
    const TWinControl* c = Control();
    if (!c || index < 0 || index >= c->ControlCount())
        return nullptr;
    return TkAccessible::InterfaceOf(c->Controls(index));
}

int TkSurfaceAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const TWinControl* c = Control();
    if (!c || !child)
        return -1;
    for (int i = 0; i < c->ControlCount(); ++i)
        if (TkAccessible::InterfaceOf(c->Controls(i)) == child)
            return i;
    return -1;
}

QAccessibleInterface* TkSurfaceAccessible::childAt(int x, int y) const
{
    const TWinControl* c = Control();
    if (!c)
        return nullptr;
    for (int i = c->ControlCount() - 1; i >= 0; --i) {
        QAccessibleInterface* iface = TkAccessible::InterfaceOf(c->Controls(i));
        if (iface && c->Controls(i)->Visible() && iface->rect().contains(x, y))
            return iface;
    }
    return nullptr;
}

QAccessibleInterface* TkSurfaceAccessible::focusChild() const
{
    if (const TWinControl* c = Control())
        if (TControl* f = c->FocusedChild(); f && f->KeyboardFocused())
            return TkAccessible::InterfaceOf(f);
    return QAccessibleWidget::focusChild();
}

QStringList TkSurfaceAccessible::actionNames() const
{
    const TWinControl* c = Control();
    QStringList names = QAccessibleWidget::actionNames();
    if (c && AccessibleInfoOf(c).Pressable)
        names.prepend(PressAction);
    return names;
}

void TkSurfaceAccessible::doAction(const QString& actionName)
{
    if (actionName == PressAction && Control() && AccessibleInfoOf(Control()).Pressable)
        Press(Control());
    else
        QAccessibleWidget::doAction(actionName);
}

// ---- Windows ------------------------------------------------------------------

TkFrameAccessible::TkFrameAccessible(QWidget* widget, TForm* form) : QAccessibleWidget(widget, QAccessible::Window), FForm(form) {}

QAccessible::Role TkFrameAccessible::role() const
{
    const TForm* f = FForm.Get();
    return QtRoleOf(AccessibleInfoOf(f).Role, QAccessible::Dialog);
}

// ---- Radio buttons ------------------------------------------------------------

TkRadioAccessible::TkRadioAccessible(QWidget* widget, TRadioButton* button)
    : QAccessibleWidget(widget, QAccessible::RadioButton), FButton(button)
{
}

QString TkRadioAccessible::text(QAccessible::Text t) const
{
    const TRadioButton* b = FButton.Get();
    if (t == QAccessible::Name && b)
        return ToQString(AccessibleInfoOf(b).Name);
    return QAccessibleWidget::text(t);
}

QAccessible::State TkRadioAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    if (const TRadioButton* b = FButton.Get())
        s.checked = b->Checked();
    return s;
}

QStringList TkRadioAccessible::actionNames() const
{
    return {PressAction};
}

void TkRadioAccessible::doAction(const QString& actionName)
{
    if (actionName == PressAction)
        if (TRadioButton* b = FButton.Get()) {
            TkQtApplication::KeyboardScope scope;
            Application->Guard(b, [b] { b->UserClick(); });
        }
}

// ---- Windowless controls ------------------------------------------------------

TkWindowlessAccessible::TkWindowlessAccessible(TControl* control) : FControl(control) {}

bool TkWindowlessAccessible::isValid() const
{
    return FControl.Alive() && FControl.Get()->Parent();
}

QWindow* TkWindowlessAccessible::window() const
{
    const TControl* c = FControl.Get();
    if (!c || !c->Parent() || !c->Parent()->ClientHost())
        return nullptr;
    return c->Parent()->ClientHost()->window()->windowHandle();
}

QAccessibleInterface* TkWindowlessAccessible::parent() const
{
    const TControl* c = FControl.Get();
    return c ? TkAccessible::InterfaceOf(c->Parent()) : nullptr;
}

QString TkWindowlessAccessible::text(QAccessible::Text t) const
{
    const TAccessibleInfo info = AccessibleInfoOf(FControl.Get());
    switch (t) {
    case QAccessible::Name: return ToQString(info.Name);
    case QAccessible::Description: return ToQString(info.Description);
    case QAccessible::Value: return ToQString(info.Value);
    default: return {};
    }
}

QRect TkWindowlessAccessible::rect() const
{
    const TControl* c = FControl.Get();
    if (!c || !c->Parent())
        return {};
    const TPoint p = c->ClientToScreen(TPoint{0, 0});
    return QRect(p.X, p.Y, c->Width(), c->Height());
}

QAccessible::Role TkWindowlessAccessible::role() const
{
    return QtRoleOf(AccessibleInfoOf(FControl.Get()).Role, QAccessible::Client);
}

QAccessible::State TkWindowlessAccessible::state() const
{
    QAccessible::State s;
    const TControl* c = FControl.Get();
    if (!c) {
        s.invalid = true;
        return s;
    }
    bool shown = c->Visible();
    for (const TControl* p = c->Parent(); p && shown; p = p->Parent())
        shown = p->Visible();
    if (!c->Visible())
        s.invisible = true;
    if (!shown)
        s.offscreen = true;
    if (!c->Enabled())
        s.disabled = true;
    AddStates(s, AccessibleInfoOf(c).States);
    return s;
}

void* TkWindowlessAccessible::interface_cast(QAccessible::InterfaceType type)
{
    const TAccessibleInfo info = AccessibleInfoOf(FControl.Get());
    if (type == QAccessible::ActionInterface && info.Pressable)
        return static_cast<QAccessibleActionInterface*>(this);
    if (type == QAccessible::ValueInterface && info.HasNumber)
        return static_cast<QAccessibleValueInterface*>(this);
    if (type == QAccessible::TextInterface && !info.Value.empty())
        return static_cast<QAccessibleTextInterface*>(this);
    return nullptr;
}

QStringList TkWindowlessAccessible::actionNames() const
{
    return AccessibleInfoOf(FControl.Get()).Pressable ? QStringList{PressAction} : QStringList{};
}

void TkWindowlessAccessible::doAction(const QString& actionName)
{
    if (actionName == PressAction)
        Press(FControl.Get());
}

QVariant TkWindowlessAccessible::currentValue() const
{
    return AccessibleInfoOf(FControl.Get()).Number;
}

QVariant TkWindowlessAccessible::maximumValue() const
{
    return AccessibleInfoOf(FControl.Get()).Maximum;
}

QVariant TkWindowlessAccessible::minimumValue() const
{
    return AccessibleInfoOf(FControl.Get()).Minimum;
}

QString TkWindowlessAccessible::text(int startOffset, int endOffset) const
{
    const QString value = ToQString(AccessibleInfoOf(FControl.Get()).Value);
    if (endOffset < 0 || endOffset > value.size())
        endOffset = int(value.size());
    if (startOffset < 0)
        startOffset = 0;
    return startOffset >= endOffset ? QString() : value.mid(startOffset, endOffset - startOffset);
}

int TkWindowlessAccessible::characterCount() const
{
    return int(ToQString(AccessibleInfoOf(FControl.Get()).Value).size());
}

QString TkWindowlessAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}
