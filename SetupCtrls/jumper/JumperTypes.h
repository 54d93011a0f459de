#pragma once
// Value types of the three-pin jumper control, shared with the code that
// places and couples jumpers.

// Where the shorting cap sits: no cap, over the left and middle pins, over the
// middle and right pins. Left and right are those of the unturned drawing.
enum TJumperState { jsOpen, jsLeft, jsRight };

// How the drawing is turned. otUp and otDown lie horizontally, otLeft and
// otRight stand upright.
enum TOrientationType { otUp, otDown, otLeft, otRight };
