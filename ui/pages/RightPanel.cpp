// Panel2: the button emulator and the signal emulators.
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "connection/Frames.h"
#include "ui/Pictures.h"
#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/widgets/Editors.h"

namespace orvanta::ui {

QWidget* createRightPanel(PageContext& ctx) {
    auto* panel = new QWidget;
    panel->setObjectName("Panel2");
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(2, 2, 2, 2);
    auto* title = makeLabel("Label54", "#Orvanta", panel);
    title->setFont(boldFont(title, 5));
    v->addWidget(title);
    auto* reboot = makeButton("BitBtn19", "Reboot", panel);
    reboot->setIcon(pictures::reboot());
    QObject::connect(reboot, &QPushButton::clicked, panel, [&ctx] { ctx.loop.Post(50, connection::cmd::Reboot); });
    v->addWidget(reboot);
    auto* connectButton = makeButton("Button4", "Connect", panel);
    QObject::connect(connectButton, &QPushButton::clicked, panel, [&ctx] { ctx.connect(); });
    v->addWidget(connectButton);
    v->addStretch(1);
    return panel;
}

}  // namespace orvanta::ui
