#pragma once
// Pictures of the emulator controls, drawn in code like the rest of the window's.
#include <QIcon>
#include <QPixmap>

namespace orvanta::ui::pictures {

QPixmap ignition(int size = 32);                      // ignition lock with its key
QIcon longPress(Qt::ArrowType direction);             // a held arrow key
QPixmap mirror(int size = 28);                        // an outside mirror, seen from behind
QPixmap parkingSensors(int width = 220, int height = 70);  // car rear with sensors 1 to 4

}  // namespace orvanta::ui::pictures
