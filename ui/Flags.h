#pragma once
// Small flags for the display languages, drawn in code: a few stripes, crosses and
// simple shapes each, recognisable at list-item size rather than exact.
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace orvanta::ui::flags {

// The flag of language item index (0 = "1 Русский" ... 26 = "27 Српски"); a plain grey
// field for an index outside the list.
QPixmap languageFlag(int index, QSize size = QSize(24, 16));
QIcon languageIcon(int index);
int languageCount();

}  // namespace orvanta::ui::flags
