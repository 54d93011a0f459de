#include "toolkit/Accessible.h"

#include <QAccessible>
#include <unordered_map>

#include "toolkit/AccessibleInterfaces.h"
#include "toolkit/Form.h"
#include "toolkit/FormFrame.h"
#include "toolkit/RadioButtonWidget.h"
#include "toolkit/SurfaceWidget.h"

namespace {
// Windowless controls have no widget for Qt to hang an interface on: theirs
// are registered here and go with the control.
std::unordered_map<const TControl*, QAccessible::Id>& WindowlessIds()
{
    static std::unordered_map<const TControl*, QAccessible::Id> ids;
    return ids;
}

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QWidget")) {
        if (auto* surface = dynamic_cast<TkSurfaceWidget*>(object))
            return new TkSurfaceAccessible(surface, surface->Control());
        if (auto* frame = dynamic_cast<TkFormFrame*>(object))
            return new TkFrameAccessible(frame, frame->Form());
    }
    if (className == QLatin1String("QRadioButton"))
        if (auto* radio = dynamic_cast<TkRadioButton*>(object))
            return new TkRadioAccessible(radio, radio->Control());
    return nullptr;
}
} // namespace

namespace TkAccessible {

void Install()
{
    QAccessible::installFactory(Factory);
}

QAccessibleInterface* InterfaceOf(TControl* control)
{
    if (!control)
        return nullptr;
    if (control->IsWindowed()) {
        auto* w = static_cast<TWinControl*>(control);
        QWidget* widget = dynamic_cast<TForm*>(w) ? w->Handle() : w->ClientHost();
        return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    }
    auto& ids = WindowlessIds();
    if (auto it = ids.find(control); it != ids.end())
        if (QAccessibleInterface* iface = QAccessible::accessibleInterface(it->second))
            return iface;
    auto* iface = new TkWindowlessAccessible(control);
    ids[control] = QAccessible::registerAccessibleInterface(iface);
    return iface;
}

void Notify(TControl* control, TAccessibleChange change)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* iface = InterfaceOf(control);
    if (!iface)
        return;
    switch (change) {
    case acFocus: {
        QAccessibleEvent event(iface, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
        break;
    }
    case acState: {
        QAccessible::State changed;
        changed.checked = true;
        changed.expanded = true;
        changed.focused = true;
        QAccessibleStateChangeEvent event(iface, changed);
        QAccessible::updateAccessibility(&event);
        break;
    }
    case acValue: {
        const TAccessibleInfo info = AccessibleInfoOf(control);
        QAccessibleValueChangeEvent event(iface, info.HasNumber ? QVariant(info.Number) : QVariant(QString::fromStdString(info.Value)));
        QAccessible::updateAccessibility(&event);
        break;
    }
    case acName: {
        QAccessibleEvent event(iface, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
        break;
    }
    }
}

void ControlDestroyed(TControl* control)
{
    auto& ids = WindowlessIds();
    auto it = ids.find(control);
    if (it == ids.end())
        return;
    const QAccessible::Id id = it->second;
    ids.erase(it);
    if (QAccessible::accessibleInterface(id))
        QAccessible::deleteAccessibleInterface(id);
}

} // namespace TkAccessible
