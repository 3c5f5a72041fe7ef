// cxTabSheet2 "Keys emul": the module's keys again, on a page whose tab is never shown.
#include <QGridLayout>
#include <QVBoxLayout>
#include <QWidget>

#include "emulators/Emulators.h"
#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/widgets/Editors.h"

namespace orvanta::ui {

namespace em = emulators;

QWidget* createKeysEmulPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("cxTabSheet2");
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(8, 8, 8, 8);
    auto* g = makeGroup("GroupBoxKeysEmul", "Keys Emul", page);
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setSpacing(6);

    struct Key {
        const char* name;
        const char* caption;
        uint8_t command;
        int row, column;
    };
    const Key keys[] = {
        {"Button24", "LONG+", em::cmd::LongUp, 0, 0},   {"Button10", "↑", em::cmd::KeyUp, 0, 1},
        {"Button9", "↓", em::cmd::KeyDown, 1, 1},       {"Button23", "LONG-", em::cmd::LongDown, 1, 0},
        {"Button11", "Reset", em::cmd::KeyReset, 2, 0}, {"Button12", "Long reset", em::cmd::LongReset, 2, 1},
    };
    for (const Key& k : keys) {
        auto* b = makeButton(k.name, k.caption, g);
        b->setMinimumWidth(90);
        const uint8_t command = k.command;
        QObject::connect(b, &QPushButton::clicked, g, [&ctx, command] { ctx.loop.Post(50, command); });
        grid->addWidget(b, k.row, k.column);
    }
    v->addWidget(g, 0, Qt::AlignLeft | Qt::AlignTop);
    v->addStretch(1);
    return page;
}

}  // namespace orvanta::ui
