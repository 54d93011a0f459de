// What the toolkit's own controls tell a screen reader by default: their
// caption as name, their hint as description; windows, labels, pictures and
// panels say what they are; text views are named after their window.
#include "toolkit/ControlAccessibility.h"

#include <QWidget>

#include "toolkit/Accessible.h"
#include "toolkit/Application.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Memo.h"
#include "toolkit/QtBridge.h"
#include "toolkit/RichEdit.h"

std::string CaptionText(const std::string& caption)
{
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&')
                out += caption[++i];
            continue;
        }
        out += caption[i];
    }
    return out;
}

namespace {
TForm* FormOf(const TControl* control)
{
    const TControl* root = control;
    while (root->Parent())
        root = root->Parent();
    return dynamic_cast<TForm*>(const_cast<TControl*>(root));
}

void NameAfterWindow(TWinControl* view)
{
    if (TForm* form = FormOf(view); form && view->Handle())
        view->Handle()->setAccessibleName(ToQString(CaptionText(form->Caption())));
}
} // namespace

void NameTextViewsAfterWindow(TWinControl* root)
{
    for (int i = 0; i < root->ControlCount(); ++i) {
        auto* w = dynamic_cast<TWinControl*>(root->Controls(i));
        if (!w)
            continue;
        if (dynamic_cast<TMemo*>(w) || dynamic_cast<TRichEdit*>(w))
            NameAfterWindow(w);
        NameTextViewsAfterWindow(w);
    }
}

void TControl::GetAccessibleInfo(TAccessibleInfo& info) const
{
    info.Name = CaptionText(Caption());
    info.Description = Hint();
    if (!IsWindowed() && TabStop())
        info.States |= asFocusable;
    if (KeyboardFocused())
        info.States |= asFocused;
}

bool TControl::AccessiblePress()
{
    return false;
}

void TControl::AccessibleChanged(TAccessibleChange change)
{
    TkAccessible::Notify(this, change);
}

void TForm::GetAccessibleInfo(TAccessibleInfo& info) const
{
    TWinControl::GetAccessibleInfo(info);
    info.Role = Application && Application->MainForm() == this ? arWindow : arDialog;
}

void TLabel::GetAccessibleInfo(TAccessibleInfo& info) const
{
    TGraphicControl::GetAccessibleInfo(info);
    info.Role = arLabel;
}

void TImage::GetAccessibleInfo(TAccessibleInfo& info) const
{
    TGraphicControl::GetAccessibleInfo(info);
    info.Role = arImage;
    // A picture has no caption: its hint names it.
    info.Name = Hint();
    info.Description.clear();
}

void TCustomPanel::GetAccessibleInfo(TAccessibleInfo& info) const
{
    TWinControl::GetAccessibleInfo(info);
    info.Role = arPanel;
}

void TMemo::SetParent(TWinControl* parent)
{
    TWinControl::SetParent(parent);
    NameAfterWindow(this);
}

void TRichEdit::SetParent(TWinControl* parent)
{
    TWinControl::SetParent(parent);
    NameAfterWindow(this);
}
