#pragma once
// A small reader for the rich text the help window shows: groups, the font and
// colour tables, character formatting (font, size, bold, italic, underline,
// colour), paragraphs and the usual escapes. Everything else in RTF is skipped.
// Pure C++ so it can be tested without a GUI; RtfDocument.h turns the result
// into a QTextDocument.
//
// Any byte string is accepted: malformed input yields whatever text could be
// recovered, never a crash or an endless loop.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct RtfFont {
    int number = 0;      // the N of \fN
    std::string family;  // "swiss", "roman", "nil", ... (the \fswiss word without its f)
    int pitch = 0;       // \fprqN
    int charset = 0;     // \fcharsetN
    std::string name;    // UTF-8, without the terminating ';'
};

struct RtfColor {
    // A table entry without components means "the viewer's default colour".
    bool isAuto = true;
    uint8_t r = 0, g = 0, b = 0;

    bool operator==(const RtfColor&) const = default;
};

struct RtfCharFormat {
    std::string fontName;  // empty when the text names no known font
    int halfPoints = 24;   // RTF's default size, 12 pt
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hasColor = false;  // false: the viewer's default text colour
    uint8_t r = 0, g = 0, b = 0;

    bool operator==(const RtfCharFormat&) const = default;
};

struct RtfRun {
    std::string text;  // UTF-8, never empty
    RtfCharFormat format;
};

struct RtfParagraph {
    // Adjacent runs always differ in format; an empty paragraph has no runs.
    std::vector<RtfRun> runs;
    // The format in effect at the paragraph mark; it gives an empty paragraph
    // (the blank line between two \par) its height.
    RtfCharFormat markFormat;

    std::string Text() const;
};

struct RtfDocumentModel {
    // Each \par ends a paragraph; text after the last \par forms one more.
    // Text contains no line feeds: \tab is '\t', \line is U+2028.
    std::vector<RtfParagraph> paragraphs;
    std::vector<RtfFont> fonts;
    std::vector<RtfColor> colors;  // indexed by \cfN
};

RtfDocumentModel ParseRtf(std::string_view rtf);
