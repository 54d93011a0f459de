#include "toolkit/RichEdit.h"

#include <QTextCursor>
#include <QTextEdit>

#include "toolkit/QtBridge.h"
#include "toolkit/RtfDocument.h"

TRichEdit::TRichEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* w = new QTextEdit();
    w->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    w->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    w->setLineWrapMode(QTextEdit::WidgetWidth);
    w->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    SetWidget(w, w, false);
    SetBounds(0, 0, 185, 89);
}

void TRichEdit::LoadRichText(const std::string& rtf)
{
    auto* w = static_cast<QTextEdit*>(Handle());
    FillTextDocumentFromRtf(*w->document(), rtf, ToQFont(Font()));
    // A reader starts at the top of a new document.
    w->moveCursor(QTextCursor::Start);
    w->ensureCursorVisible();
}

void TRichEdit::SetReadOnly(bool value)
{
    FReadOnly = value;
    static_cast<QTextEdit*>(Handle())->setReadOnly(value);
}

void TRichEdit::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    ApplyScrollBars(static_cast<QAbstractScrollArea*>(Handle()), value);
}

void TRichEdit::SetColor(TColor value)
{
    TWinControl::SetColor(value);
    auto* w = static_cast<QTextEdit*>(Handle());
    QPalette p = w->palette();
    p.setColor(QPalette::Base, ToQColor(value));
    // Text without a colour of its own must stay readable on a fixed background
    // whatever the desktop's theme makes of the default text colour.
    p.setColor(QPalette::Text, ToQColor(ReadableTextColor(Font().Color(), value)));
    w->setPalette(p);
}

std::string TRichEdit::PlainText() const
{
    return FromQString(static_cast<QTextEdit*>(Handle())->toPlainText());
}

QTextDocument* TRichEdit::Document() const
{
    return static_cast<QTextEdit*>(Handle())->document();
}
