#pragma once
// Helpers for what the toolkit's controls tell a screen reader.
#include <string>

class TWinControl;

// A caption as it reads: single '&' (the accelerator mark) dropped, "&&" kept as '&'.
std::string CaptionText(const std::string& caption);
// Memos and rich text views on a window are named after it.
void NameTextViewsAfterWindow(TWinControl* root);
