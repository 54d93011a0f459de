#pragma once
// The toolkit's side of Qt's accessibility framework (AT-SPI on Linux): the
// interfaces that present its windows, surfaces, radio buttons and windowless
// controls to a screen reader, and the announcements of their changes.
#include "toolkit/AccessibleInfo.h"

class QAccessibleInterface;
class TControl;

namespace TkAccessible {
// Registers the toolkit's interfaces with Qt; called once at start-up.
void Install();
// The interface of any control: its widget's, or a windowless control's own.
QAccessibleInterface* InterfaceOf(TControl* control);
void Notify(TControl* control, TAccessibleChange change);
// A windowless control's interface goes with it.
void ControlDestroyed(TControl* control);
} // namespace TkAccessible
