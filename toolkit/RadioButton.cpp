#include "toolkit/RadioButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/QtBridge.h"
#include "toolkit/RadioButtonWidget.h"

void TkRadioButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QColor text = ToQColor(FControl->TextColor());
    option.palette.setColor(QPalette::Active, QPalette::WindowText, text);
    option.palette.setColor(QPalette::Inactive, QPalette::WindowText, text);
    p.drawControl(QStyle::CE_RadioButton, option);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* w = new TkRadioButton(this);
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
    // Tab reaches the group at its checked button.
    SetTabStop(value);
    if (!value)
        return;
    if (TWinControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i)); other && other != this && other->FChecked) {
                other->FChecked = false;
                other->ShowChecked(false);
                other->SetTabStop(false);
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

bool TRadioButton::KeyDown(int key, TShiftState shift)
{
    const bool forward = key == VK_DOWN || key == VK_RIGHT;
    if ((!forward && key != VK_UP && key != VK_LEFT) || (shift & (ssAlt | ssCtrl)))
        return false;
    TWinControl* parent = Parent();
    if (!parent)
        return true;
    std::vector<TRadioButton*> group;
    int self = -1;
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* r = dynamic_cast<TRadioButton*>(parent->Controls(i)); r && (r == this || (r->Visible() && r->Enabled()))) {
            if (r == this)
                self = int(group.size());
            group.push_back(r);
        }
    // The arrows stay inside the group, wrapping round at its ends.
    if (group.size() < 2 || self < 0)
        return true;
    const int n = int(group.size());
    TRadioButton* next = group[size_t(((forward ? self + 1 : self - 1) % n + n) % n)];
    TGuard<TRadioButton> target(next);
    next->SetFocus();
    if (target.Alive())
        next->UserClick();
    return true;
}

TColor TRadioButton::TextColor() const
{
    return ColorToRGB(Parent() ? ReadableTextColor(Font().Color(), Parent()->Color()) : Font().Color());
}

void TRadioButton::GetAccessibleInfo(TAccessibleInfo& info) const
{
    TWinControl::GetAccessibleInfo(info);
    info.Role = arRadioButton;
    info.States |= asCheckable;
    if (FChecked)
        info.States |= asChecked;
}

void TRadioButton::CaptionChanged()
{
    static_cast<QRadioButton*>(Handle())->setText(ToQString(Caption()));
}
