#include "toolkit/Memo.h"

#include <QPlainTextEdit>

#include "toolkit/QtBridge.h"

TMemo::TMemo(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* w = new QPlainTextEdit();
    w->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    w->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetWidget(w, w, false);
    FLines.OnChange = [this] { LinesChanged(); };
    SetColor(clWindow);
    SetBounds(0, 0, 185, 89);
}

void TMemo::LinesChanged()
{
    std::string text;
    for (int i = 0; i < FLines.Count(); ++i) {
        if (i)
            text += '\n';
        text += FLines.Strings(i);
    }
    static_cast<QPlainTextEdit*>(Handle())->setPlainText(ToQString(text));
}

std::string TMemo::DisplayedText() const
{
    return FromQString(static_cast<QPlainTextEdit*>(Handle())->toPlainText());
}

void TMemo::SetReadOnly(bool value)
{
    FReadOnly = value;
    static_cast<QPlainTextEdit*>(Handle())->setReadOnly(value);
}

void TMemo::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    ApplyScrollBars(static_cast<QAbstractScrollArea*>(Handle()), value);
}

void TMemo::SetWordWrap(bool value)
{
    FWordWrap = value;
    static_cast<QPlainTextEdit*>(Handle())->setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}
