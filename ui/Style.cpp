#include "ui/Style.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QStyleFactory>

namespace orvanta::ui {

void applyCharcoalDarkSlate(QApplication& app) {
    app.setStyle(QStyleFactory::create("Fusion"));

    const QColor window(0x2b, 0x30, 0x36);
    const QColor base(0x1f, 0x23, 0x28);
    const QColor alternate(0x33, 0x39, 0x40);
    const QColor button(0x38, 0x3f, 0x47);
    const QColor text(0xe3, 0xe6, 0xea);
    const QColor dim(0x8a, 0x93, 0x9c);
    const QColor accent(0x4f, 0x8f, 0xc9);

    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, alternate);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, dim);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(0xff, 0x6b, 0x6b));
    p.setColor(QPalette::Link, accent);
    p.setColor(QPalette::Highlight, accent);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, QColor(0x4a, 0x52, 0x5b));
    p.setColor(QPalette::Midlight, QColor(0x42, 0x49, 0x51));
    p.setColor(QPalette::Mid, QColor(0x25, 0x29, 0x2e));
    p.setColor(QPalette::Dark, QColor(0x1a, 0x1d, 0x21));
    p.setColor(QPalette::Shadow, QColor(0x10, 0x12, 0x14));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dim);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    app.setPalette(p);

    // Tahoma where installed; otherwise a close sans-serif.
    QFont f("Tahoma");
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    if (!QFontDatabase::families().contains("Tahoma")) {
        for (const char* fam : {"Verdana", "DejaVu Sans", "Liberation Sans", "Noto Sans"}) {
            if (QFontDatabase::families().contains(fam)) {
                f.setFamily(fam);
                break;
            }
        }
    }
    app.setFont(f);

    app.setStyleSheet(
        "QGroupBox { border: 1px solid #4a525b; border-radius: 4px; margin-top: 8px; padding-top: 4px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: #9fc3e6; }"
        "QTabWidget::pane { border: 1px solid #4a525b; top: -1px; }"
        "QTabBar::tab { background: #30363d; color: #c9ced4; border: 1px solid #4a525b; padding: 3px 9px;"
        "  border-top-left-radius: 3px; border-top-right-radius: 3px; }"
        "QTabBar::tab:selected { background: #3d4650; color: #ffffff; border-bottom-color: #3d4650; }"
        "QTabBar::tab:hover { background: #39414a; }"
        "QStatusBar QLabel { border: 1px solid #454c54; padding: 0 4px; }"
        "QLineEdit[readOnly=\"true\"] { background: #262b30; }"
        "QProgressBar { border: 1px solid #4a525b; border-radius: 3px; text-align: center; background: #1f2328; }"
        "QProgressBar::chunk { background: #4f8fc9; }");
}

}  // namespace orvanta::ui
