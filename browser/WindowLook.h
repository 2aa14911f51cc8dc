#pragma once

#include <QFont>
#include <QIcon>

// What the browser's windows share: their font, their icon and the unit of their layouts.
namespace look {

// 宋体 9 point; where that font is missing, a simplified-Chinese sans font of the same size.
QFont WindowFont();
// The main window's icon, which the find dialog shares.
QIcon WindowIcon();
// Twips (1440 to the inch) as pixels at 96 dots per inch.
constexpr int Pixels(int twips) { return (twips + 7) / 15; }

}  // namespace look
