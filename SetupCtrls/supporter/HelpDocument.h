#pragma once
// The help window's text: an RTF document assembled from fixed wording and
// the supporter's product names, so one component serves any card and maker.
#include <string>

struct THelpDocumentValues {
    std::string CompanyName;
    std::string CardName;            // the card name the supporter chose (A or B)
    bool bSeries = true;             // titles say "Series"
    bool MultiPort = false;          // adds the note on option groups
    bool CardListOffered = false;    // the host describes cards: mention the card-list menu entry
};

// Plain UTF-8 text made safe to stand in RTF as written: backslash and braces
// are escaped, characters of code page 1252 beyond ASCII become \'hh and every
// other character \uN? (one fallback character, as \uc1 declares). Bytes that
// are not valid UTF-8 are taken as code page 1252 bytes.
std::string RtfEscapeText(const std::string& utf8);

std::string BuildHelpDocument(const THelpDocumentValues& values);
