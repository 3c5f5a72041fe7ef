#pragma once
// Every picture of the window is drawn here, in code: nothing is taken from elsewhere.
#include <QColor>
#include <QIcon>
#include <QPixmap>

namespace orvanta::ui::pictures {

// The colours every picture is drawn with, and a transparent canvas to draw on.
inline const QColor kAccent(0x4f, 0x8f, 0xc9);
inline const QColor kLight(0xe3, 0xe6, 0xea);
inline const QColor kDim(0x8a, 0x93, 0x9c);
inline const QColor kAmber(0xf0, 0xa8, 0x30);
QPixmap canvas(int width, int height);

QPixmap title(int width = 756, int height = 180);  // shown until the page control appears
QPixmap link(int size = 32);                        // connected plug (Image1)
QIcon reboot();                                     // circular arrow
QIcon arrow(Qt::ArrowType direction);               // key and mirror arrows
QPixmap key(int size = 48);                         // the module's round reset key
QPixmap help(int size = 24);                        // a help mark
QIcon returnKey();
QIcon resetKey();

}  // namespace orvanta::ui::pictures
