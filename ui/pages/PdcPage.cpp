// TabSheet20 "PDC ": the parking sensor, warning, mirror, heater and air suspension emulators.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>
#include <array>
#include <stdexcept>

#include "emulators/Emulators.h"
#include "ui/EmulatorPictures.h"
#include "ui/Pictures.h"
#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/widgets/Editors.h"
#include "ui/widgets/RadioGroup.h"

namespace orvanta::ui {

namespace em = emulators;

namespace {

// The editors state 192 reads when it runs.
struct ParkingEditors {
    std::array<QPointer<SpinEdit>, 4> sensors;
    QPointer<SpinEdit> repeated;
    QPointer<SpinEdit> reverse;
    QPointer<RadioGroup> bus;
};

em::ParkingInput readParking(const ParkingEditors& e) {
    em::ParkingInput in;
    for (size_t i = 0; i < 4; ++i) in.sensors[i] = static_cast<uint8_t>(e.sensors[i]->value());
    in.repeated = static_cast<uint8_t>(e.repeated->value());
    in.reverse = static_cast<uint8_t>(e.reverse->value());
    in.bus = e.bus->itemIndex() == 0 ? em::ParkingBus::KLine : em::ParkingBus::Can;
    return in;
}

QGroupBox* buildParking(QWidget* page, PageContext& ctx) {
    auto* g = makeGroup("GroupBoxPdcEmulator", "PDC Emulator", page);
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    ParkingEditors e;
    auto* picture = new QLabel(g);
    picture->setPixmap(pictures::parkingSensors(260, 52));
    picture->setScaledContents(true);
    picture->setFixedHeight(52);
    picture->setToolTip("Rear parking sensors 1 to 4");
    grid->addWidget(picture, 0, 0, 1, 4);
    const char* sensorNames[4] = {"SpinEdit173", "SpinEdit174", "SpinEdit175", "SpinEdit176"};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString::number(i + 1), g);
        label->setAlignment(Qt::AlignCenter);
        auto* s = new SpinEdit(sensorNames[i], 1, 255, 255, 1, g);
        s->setAccessibleName(QString("Sensor %1").arg(i + 1));
        label->setBuddy(s);
        e.sensors[static_cast<size_t>(i)] = s;
        grid->addWidget(label, 1, i);
        grid->addWidget(s, 2, i);
        grid->setColumnStretch(i, 1);
    }

    auto* repeatedLabel = new QLabel("5-7", g);
    repeatedLabel->setAlignment(Qt::AlignCenter);
    e.repeated = new SpinEdit("SpinEdit177", 1, 255, 255, 1, g);
    e.repeated->setToolTip("Sent three times, after sensors 1 to 4");
    e.repeated->setAccessibleName("Value after the sensors");
    repeatedLabel->setBuddy(e.repeated);
    grid->addWidget(repeatedLabel, 1, 4);
    grid->addWidget(e.repeated, 2, 4);

    auto* reverseLabel = new QLabel("Reverce", g);
    reverseLabel->setAlignment(Qt::AlignCenter);
    e.reverse = new SpinEdit("SpinEdit179", 0, 1, 1, 1, g);
    reverseLabel->setBuddy(e.reverse);
    grid->addWidget(reverseLabel, 1, 5);
    grid->addWidget(e.reverse, 2, 5);

    e.bus = new RadioGroup("RadioGroup15", "", {"KLINE", "CAN"}, 2, g);
    e.bus->setItemIndex(1);
    grid->addWidget(e.bus, 3, 0, 1, 2);

    auto* pdcSwitch = makeCheck("CheckBox57", "CheckBox57", g);
    QObject::connect(pdcSwitch, &QCheckBox::clicked, g,
                     [&ctx](bool checked) { ctx.loop.Post(50, em::parkingSwitchCommand(checked)); });
    grid->addWidget(pdcSwitch, 3, 2, 1, 2, Qt::AlignVCenter);

    auto* send = makeButton("Button5121", "Send Parking", g, true);
    grid->addWidget(send, 3, 4, 1, 2);
    QObject::connect(send, &QPushButton::clicked, g, [&ctx] { ctx.loop.Post(em::kParkingState, em::cmd::Parking); });

    // The payload is read from the editors when the loop runs the state, not at the click.
    ctx.loop.states().add(em::kParkingState, [e](connection::ConnectionLoop& l) {
        if (!e.repeated) {  // the page is gone: nothing to read
            l.setState(connection::kIdleState);
            return;
        }
        const auto payload = em::parkingPayload(readParking(e));
        l.sendCommand(l.request().RequestCommand, payload);
        l.setState(connection::kIdleState);
    });
    return g;
}

QGroupBox* buildWarning(QWidget* page, PageContext& ctx) {
    auto* g = makeGroup("GroupBoxWarningEmulator", "Warning Emulator", page);
    auto* h = new QHBoxLayout(g);
    h->setContentsMargins(8, 8, 8, 8);
    auto* number = new SpinEdit("SpinEdit122", 0, 69, 0, 1, g);
    number->setToolTip("Number of the warning to show (0 to 69)");
    number->setAccessibleName("Warning number");
    auto* show = makeButton("Button511", "Show Warning", g);
    QObject::connect(show, &QPushButton::clicked, g, [&ctx, number] {
        ctx.loop.Post(51, em::cmd::ShowWarning, static_cast<uint8_t>(number->value()));
    });
    h->addWidget(number);
    h->addWidget(show);
    h->addStretch(1);
    return g;
}

QGroupBox* buildMirrors(QWidget* page, PageContext& ctx) {
    auto* g = makeGroup("GroupBoxMirrors", "Mirrors", page);
    auto* h = new QHBoxLayout(g);
    h->setContentsMargins(8, 8, 8, 8);
    h->setSpacing(10);

    auto* side = new RadioGroup("RadioGroup3", "", {"Left", "Right"}, 1, g);
    h->addWidget(side, 0, Qt::AlignVCenter);

    struct Arrow {
        const char* name;
        Qt::ArrowType picture;
        em::MirrorDirection direction;
        const char* whatItDoes;
        int row, column;
    };
    const Arrow arrows[4] = {
        {"BitBtn56", Qt::UpArrow, em::MirrorDirection::Up, "Mirror up", 0, 1},
        {"BitBtn58", Qt::LeftArrow, em::MirrorDirection::Left, "Mirror left", 1, 0},
        {"BitBtn57", Qt::DownArrow, em::MirrorDirection::Down, "Mirror down", 2, 1},
        {"BitBtn59", Qt::RightArrow, em::MirrorDirection::Right, "Mirror right", 1, 2},
    };
    auto* cross = new QGridLayout;
    cross->setSpacing(3);
    for (const Arrow& a : arrows) {
        auto* b = makePictureButton(a.name, pictures::arrow(a.picture), a.whatItDoes, g);
        b->setFixedSize(36, 32);
        const em::MirrorDirection d = a.direction;
        // The side is read at the click.
        QObject::connect(b, &QPushButton::clicked, g, [&ctx, side, d] {
            ctx.loop.Post(51, em::cmd::Mirror, em::mirrorParam(side->itemIndex(), d));
        });
        cross->addWidget(b, a.row, a.column);
    }
    auto* glass = new QLabel(g);
    glass->setPixmap(pictures::mirror(30));
    glass->setAlignment(Qt::AlignCenter);
    cross->addWidget(glass, 1, 1);
    h->addLayout(cross);

    auto* heater = new QVBoxLayout;
    heater->setSpacing(4);
    auto* set = makeButton("Button181213", "Set heater w", g);
    auto* reset = makeButton("Button21131231231", "Reset heater w", g);
    QObject::connect(set, &QPushButton::clicked, g, [&ctx] { ctx.loop.Post(50, em::cmd::HeaterSet); });
    QObject::connect(reset, &QPushButton::clicked, g, [&ctx] { ctx.loop.Post(50, em::cmd::HeaterReset); });
    heater->addStretch(1);
    heater->addWidget(set);
    heater->addWidget(reset);
    heater->addStretch(1);
    h->addLayout(heater);
    h->addStretch(1);
    return g;
}

QGroupBox* buildAirSuspension(QWidget* page, PageContext& ctx) {
    auto* g = makeGroup("GroupBoxAirSuspension", "Air suspension ", page);
    auto* v = new QVBoxLayout(g);
    v->setContentsMargins(8, 8, 8, 8);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);

    const char* names[em::kAirGroupCount] = {"RadioGroup19", "RadioGroup20", "RadioGroup22", "RadioGroup23"};
    std::array<QPointer<RadioGroup>, em::kAirGroupCount> groups;
    const auto& defs = em::airSuspensionGroups();
    for (size_t i = 0; i < defs.size(); ++i) {
        QStringList items;
        for (int k = 0; k < defs[i].count; ++k)
            items << QString::fromUtf8(defs[i].items[k].caption.data(),
                                       static_cast<qsizetype>(defs[i].items[k].caption.size()));
        const QString caption = QString::fromUtf8(defs[i].caption.data(), static_cast<qsizetype>(defs[i].caption.size()));
        // The first group's eight values sit in two columns to keep the box low.
        auto* rg = new RadioGroup(names[i], caption, items, i == 0 ? 2 : 1, g);
        rg->setItemIndex(defs[i].startIndex);
        // A group box does not widen for its title; "lk_state" is longer than its items.
        rg->setMinimumWidth(rg->fontMetrics().horizontalAdvance(caption) + 28);
        groups[i] = rg;
        row->addWidget(rg, 0, Qt::AlignTop);
    }
    row->addStretch(1);
    v->addLayout(row);

    auto* bottom = new QHBoxLayout;
    auto* send = makeButton("Button147687687", "Send ", g, true);
    auto* hint = new QLabel("Choose an item in each group to send.", g);
    hint->setObjectName("AirSuspensionHint");
    hint->setEnabled(false);
    bottom->addWidget(send);
    bottom->addWidget(hint);
    bottom->addStretch(1);
    v->addLayout(bottom);

    auto chosen = [groups] {
        std::array<int, em::kAirGroupCount> c{};
        for (size_t i = 0; i < groups.size(); ++i) c[i] = groups[i] ? groups[i]->itemIndex() : -1;
        return c;
    };
    // A frame with a group missing would be shorter than its length byte: "Send " waits
    // until every group has a choice.
    auto refresh = [send, hint, chosen] {
        const bool complete = em::airSuspensionPayload(chosen()).has_value();
        send->setEnabled(complete);
        hint->setVisible(!complete);
    };
    for (auto& rg : groups) QObject::connect(rg.data(), &RadioGroup::itemIndexChanged, g, refresh);
    refresh();

    QObject::connect(send, &QPushButton::clicked, g,
                     [&ctx] { ctx.loop.Post(em::kAirSuspensionState, em::cmd::AirSuspension); });
    ctx.loop.states().add(em::kAirSuspensionState, [chosen](connection::ConnectionLoop& l) {
        const auto payload = em::airSuspensionPayload(chosen());
        if (!payload) {
            // Nothing goes out; the loop shows the message and goes back to idle.
            throw std::runtime_error("Air suspension: choose an item in each of the groups \"2\", \"3\", \"4\" and "
                                     "\"lk_state\" before sending.");
        }
        l.sendCommand(l.request().RequestCommand, *payload);
        l.setState(connection::kIdleState);
    });
    return g;
}

}  // namespace

QWidget* createPdcPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet20");
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    grid->addWidget(buildParking(page, ctx), 0, 0);
    grid->addWidget(buildWarning(page, ctx), 0, 1, Qt::AlignTop);
    grid->addWidget(buildMirrors(page, ctx), 1, 0);
    grid->addWidget(buildAirSuspension(page, ctx), 1, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

}  // namespace orvanta::ui
