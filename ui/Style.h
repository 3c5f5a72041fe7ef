#pragma once
class QApplication;

namespace orvanta::ui {
// "Charcoal Dark Slate": Fusion with a dark slate palette and a few sheet rules.
void applyCharcoalDarkSlate(QApplication& app);
}
