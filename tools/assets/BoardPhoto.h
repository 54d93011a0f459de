// The top-view "photograph" of the board.
#pragma once

#include <QImage>

namespace assets {

// Paints the board at twice the size, scales it to 600 x 718 and adds what a
// camera would: lens softness, sensor noise, vignette and a mild colour grade.
QImage paintBoard();

}   // namespace assets
