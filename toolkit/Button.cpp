#include "toolkit/Button.h"

#include <QPushButton>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/QtBridge.h"

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* w = new QPushButton();
    w->setAutoDefault(false);
    SetWidget(w, w, false);
    SetTabStop(true);
    QObject::connect(w, &QPushButton::clicked, [this] { Application->Guard(this, [this] { Click(); }); });
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool value)
{
    FDefault = value;
    static_cast<QPushButton*>(Handle())->setDefault(value);
    RegisterRoles();
}

void TButton::SetCancel(bool value)
{
    FCancel = value;
    RegisterRoles();
}

void TButton::SetParent(TWinControl* parent)
{
    TWinControl::SetParent(parent);
    RegisterRoles();
}

void TButton::RegisterRoles()
{
    TControl* root = this;
    while (root->Parent())
        root = root->Parent();
    auto* form = dynamic_cast<TForm*>(root);
    if (!form || form == static_cast<TControl*>(this))
        return;
    if (FDefault)
        form->SetDefaultControl(this);
    if (FCancel)
        form->SetCancelControl(this);
}

bool TButton::KeyDown(int key, TShiftState shift)
{
    if (key != VK_RETURN || (shift & (ssAlt | ssCtrl)))
        return false;
    Click();
    return true;
}

void TButton::CaptionChanged()
{
    static_cast<QPushButton*>(Handle())->setText(ToQString(Caption()));
}
