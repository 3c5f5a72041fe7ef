#pragma once
// Every picture of the window is drawn here, in code: nothing is taken from elsewhere.
#include <QIcon>
#include <QPixmap>

namespace orvanta::ui::pictures {

QPixmap title(int width = 756, int height = 180);  // shown until the page control appears
QPixmap link(int size = 32);                        // connected plug (Image1)
QIcon reboot();                                     // circular arrow
QIcon arrow(Qt::ArrowType direction);               // key and mirror arrows
QPixmap key(int size = 48);                         // the module's round reset key
QPixmap help(int size = 24);                        // a help mark
QIcon returnKey();
QIcon resetKey();

}  // namespace orvanta::ui::pictures
