#pragma once
// Shows a parsed RTF document in Qt's rich text classes: one QTextBlock per
// paragraph, one fragment per run.
#include <string_view>

#include "toolkit/RtfReader.h"

class QFont;
class QTextCharFormat;
class QTextDocument;

// Text with no font name (or an unknown one) keeps the document's default
// family; text with no colour keeps the viewer's palette colour.
QTextCharFormat RtfToTextCharFormat(const RtfCharFormat& format);

// Replaces the content of doc. defaultFont becomes the document's default
// font; RTF sizes and named fonts override it per run.
void FillTextDocument(QTextDocument& doc, const RtfDocumentModel& model, const QFont& defaultFont);
void FillTextDocumentFromRtf(QTextDocument& doc, std::string_view rtf, const QFont& defaultFont);
