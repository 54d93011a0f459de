#include "toolkit/RadioButton.h"

#include <QRadioButton>

#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"

namespace {
// Qt would toggle the button itself; the control decides what a click does.
class TkRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {}
};
} // namespace

TRadioButton::TRadioButton(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* w = new TkRadioButton();
    w->setAutoExclusive(false);
    w->setFocusPolicy(Qt::ClickFocus);
    SetWidget(w, w, false);
    QObject::connect(w, &QRadioButton::clicked, [this] { Application->Guard(this, [this] { UserClick(); }); });
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::ShowChecked(bool value)
{
    static_cast<QRadioButton*>(Handle())->setChecked(value);
}

void TRadioButton::SetChecked(bool value)
{
    if (value == FChecked) {
        ShowChecked(value);
        return;
    }
    FChecked = value;
    ShowChecked(value);
    if (!value)
        return;
    if (TWinControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i)); other && other != this && other->FChecked) {
                other->FChecked = false;
                other->ShowChecked(false);
            }
    if (!IsLoading())
        Click();
}

void TRadioButton::UserClick()
{
    if (!FChecked)
        SetChecked(true);
    else
        ShowChecked(true);
}

void TRadioButton::SetTabStop(bool value)
{
    FTabStop = value;
    Handle()->setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

void TRadioButton::CaptionChanged()
{
    static_cast<QRadioButton*>(Handle())->setText(ToQString(Caption()));
}
