#pragma once
// The kind of a highlight ring: it picks the ring's colour and strengths, the
// top-level menu item its entry goes under, and its popup's Tag (the ordinal).

enum THighlightType { htOptions, htSettings, htCalibration };
