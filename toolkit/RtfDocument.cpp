#include "toolkit/RtfDocument.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

QTextCharFormat RtfToTextCharFormat(const RtfCharFormat& format)
{
    QTextCharFormat result;
    if (!format.fontName.empty())
        result.setFontFamilies(QStringList{QString::fromStdString(format.fontName)});
    result.setFontPointSize(format.halfPoints / 2.0);
    result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(format.italic);
    result.setFontUnderline(format.underline);
    if (format.hasColor)
        result.setForeground(QColor(format.r, format.g, format.b));
    return result;
}

void FillTextDocument(QTextDocument& doc, const RtfDocumentModel& model, const QFont& defaultFont)
{
    // Loading is not an edit the reader could undo.
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    doc.setDefaultFont(defaultFont);

    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    bool first = true;
    for (const RtfParagraph& paragraph : model.paragraphs) {
        // The block's own char format sizes the line when the paragraph is empty.
        const QTextCharFormat mark = RtfToTextCharFormat(paragraph.markFormat);
        if (first)
            cursor.setBlockCharFormat(mark);
        else
            cursor.insertBlock(QTextBlockFormat(), mark);
        first = false;
        for (const RtfRun& run : paragraph.runs) {
            cursor.insertText(QString::fromUtf8(run.text.data(), static_cast<qsizetype>(run.text.size())),
                              RtfToTextCharFormat(run.format));
        }
    }
    cursor.endEditBlock();
    doc.setUndoRedoEnabled(undo);
}

void FillTextDocumentFromRtf(QTextDocument& doc, std::string_view rtf, const QFont& defaultFont)
{
    FillTextDocument(doc, ParseRtf(rtf), defaultFont);
}
