// Panel2: the button emulator and the signal emulators at the right edge.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "connection/Frames.h"
#include "emulators/Emulators.h"
#include "ui/EmulatorPictures.h"
#include "ui/Pictures.h"
#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/widgets/Editors.h"

namespace orvanta::ui {

namespace em = emulators;

namespace {

// The "Terminal 15" boxes: the clicked box's new state chooses ignition on or off.
// Bound to user clicks only, so setting a box from code sends nothing.
void bindIgnition(QCheckBox* box, PageContext& ctx) {
    QObject::connect(box, &QCheckBox::clicked, box,
                     [&ctx](bool checked) { ctx.loop.Post(50, em::ignitionCommand(checked)); });
}

QGroupBox* ignitionGroup(const QString& name, const QString& kl15Name, const QString& s86Name, QWidget* parent,
                         PageContext& ctx, QCheckBox** kl15, QCheckBox** s86) {
    auto* g = makeGroup(name, "Ignition On/Off emulator", parent);
    *kl15 = makeCheck(kl15Name, "Terminal 15 (KL15)", g);
    *s86 = makeCheck(s86Name, "Terminal s86", g);
    bindIgnition(*kl15, ctx);
    return g;
}

}  // namespace

QWidget* createRightPanel(PageContext& ctx) {
    auto* panel = new QWidget;
    panel->setObjectName("Panel2");
    panel->setMaximumWidth(170);
    auto* v = new QVBoxLayout(panel);
    v->setContentsMargins(2, 2, 2, 2);
    v->setSpacing(4);

    auto* head = new QHBoxLayout;
    auto* title = makeLabel("Label54", "#Orvanta", panel);
    title->setFont(boldFont(title, 5));
    head->addWidget(title, 1);
    head->addWidget(makeHelpPicture("Image83", "/Installation/Add.htm", panel));
    v->addLayout(head);

    auto* reboot = makeButton("BitBtn19", "Reboot", panel);
    reboot->setIcon(pictures::reboot());
    QObject::connect(reboot, &QPushButton::clicked, panel, [&ctx] { ctx.loop.Post(50, connection::cmd::Reboot); });
    v->addWidget(reboot);
    auto* connectButton = makeButton("Button4", "Connect", panel);
    QObject::connect(connectButton, &QPushButton::clicked, panel, [&ctx] { ctx.connect(); });
    v->addWidget(connectButton);

    // Ignition. The group holds a second copy of itself that lies outside its visible
    // area: it exists and works, but the user does not see it.
    QCheckBox *kl15 = nullptr, *s86 = nullptr, *kl15Copy = nullptr, *s86Copy = nullptr;
    QGroupBox* ignition = ignitionGroup("GroupBox59", "CheckBox1", "CheckBox2", panel, ctx, &kl15, &s86);
    QGroupBox* copy = ignitionGroup("GroupBox62", "CheckBox46", "CheckBox47", ignition, ctx, &kl15Copy, &s86Copy);
    auto* cl = new QVBoxLayout(copy);
    cl->addWidget(kl15Copy);
    cl->addWidget(s86Copy);
    copy->setVisible(false);
    auto* ig = new QGridLayout(ignition);
    ig->setContentsMargins(6, 6, 4, 4);
    ig->setHorizontalSpacing(4);
    ig->setVerticalSpacing(2);
    auto* key = new QLabel(ignition);
    key->setPixmap(pictures::ignition(26));
    key->setToolTip("Ignition");
    // The picture sits beside the shorter caption so the panel stays narrow.
    ig->addWidget(kl15, 0, 0, 1, 2);
    ig->addWidget(s86, 1, 0);
    ig->addWidget(key, 1, 1, Qt::AlignRight | Qt::AlignBottom);
    ig->setColumnStretch(0, 1);
    v->addWidget(ignition);

    auto* doors = makeGroup("GroupBox43", "Doors Emulator", panel);
    auto* dl = new QHBoxLayout(doors);
    dl->setContentsMargins(4, 6, 4, 4);
    dl->setSpacing(4);
    auto* openDoors = makeButton("Button1", "Open Doors", doors);
    auto* doorValue = new SpinEdit("SpinEdit1", 0, 127, 0, 1, doors);
    doorValue->setToolTip("Doors to open (0 to 127)");
    doorValue->setAccessibleName("Doors to open");
    // The value is taken when the button is clicked.
    QObject::connect(openDoors, &QPushButton::clicked, doors, [&ctx, doorValue] {
        ctx.loop.Post(51, em::cmd::OpenDoors, static_cast<uint8_t>(doorValue->value()));
    });
    dl->addWidget(openDoors, 1);
    dl->addWidget(doorValue);
    v->addWidget(doors);

    // The button emulator: the module's own keys.
    auto* caption = new QHBoxLayout;
    caption->setSpacing(0);
    caption->addStretch(1);
    auto* l55 = makeLabel("Label55", "Buttons ", panel);
    auto* l56 = makeLabel("Label56", "Emulator", panel);
    l55->setFont(boldFont(l55, 1));
    l56->setFont(boldFont(l56, 1));
    caption->addWidget(l55);
    caption->addWidget(l56);
    caption->addStretch(1);
    v->addSpacing(4);
    v->addLayout(caption);

    auto post = [&ctx](uint8_t command) { return [&ctx, command] { ctx.loop.Post(50, command); }; };
    auto bind = [panel](QPushButton* b, auto action) { QObject::connect(b, &QPushButton::clicked, panel, action); };

    auto* longUp = makeButton("BitBtn52", "LONG", panel);
    longUp->setIcon(pictures::longPress(Qt::UpArrow));
    longUp->setToolTip("Long press of the ↑ key");
    longUp->setAccessibleName("LONG ↑");
    bind(longUp, post(em::cmd::LongUp));

    auto* up = makePictureButton("BitBtn21", pictures::arrow(Qt::UpArrow), "↑ key", panel);
    bind(up, post(em::cmd::KeyUp));
    auto* resetPicture = new ClickableLabel(panel);
    resetPicture->setObjectName("Image63");
    resetPicture->setPixmap(pictures::key(44));
    resetPicture->setAlignment(Qt::AlignCenter);
    resetPicture->setCursor(Qt::PointingHandCursor);
    resetPicture->setToolTip("Reset key");
    resetPicture->setAccessibleName("Reset key");
    QObject::connect(resetPicture, &ClickableLabel::clicked, panel, post(em::cmd::KeyReset));
    auto* down = makePictureButton("BitBtn47", pictures::arrow(Qt::DownArrow), "↓ key", panel);
    bind(down, post(em::cmd::KeyDown));

    auto* reset = makeButton("BitBtn82", "Reset", panel);
    reset->setIcon(pictures::resetKey());
    bind(reset, post(em::cmd::KeyReset));
    auto* longReset = makeButton("Button52", "Long Reset", panel, true);
    bind(longReset, post(em::cmd::LongReset));

    auto* longDown = makeButton("BitBtn55", "LONG", panel);
    longDown->setIcon(pictures::longPress(Qt::DownArrow));
    longDown->setToolTip("Long press of the ↓ key");
    longDown->setAccessibleName("LONG ↓");
    bind(longDown, post(em::cmd::LongDown));

    auto* ret = makeButton("BitBtn81", "Return", panel);
    ret->setIcon(pictures::returnKey());
    bind(ret, post(em::cmd::Return));

    // The arrows and the key in one column, as they sit on the module.
    for (QPushButton* arrow : {up, down}) arrow->setFixedSize(60, 34);
    auto* keys = new QGridLayout;
    keys->setHorizontalSpacing(4);
    keys->setVerticalSpacing(3);
    keys->addWidget(longUp, 0, 0, 1, 2);
    keys->addWidget(up, 1, 0, 1, 2, Qt::AlignHCenter);
    keys->addWidget(resetPicture, 2, 0, 1, 2, Qt::AlignHCenter);
    keys->addWidget(down, 3, 0, 1, 2, Qt::AlignHCenter);
    keys->addWidget(reset, 4, 0);
    keys->addWidget(longReset, 4, 1);
    keys->addWidget(longDown, 5, 0, 1, 2);
    keys->addWidget(ret, 6, 0, 1, 2);
    v->addLayout(keys);
    v->addStretch(1);
    return panel;
}

}  // namespace orvanta::ui
