// "Firmware load": kept in the page control but never shown, and disabled. Its Send
// buttons post a request that the connection loop does not act on.
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>
#include <QWidget>
#include <array>
#include <memory>

#include "transfer/ImageUploadRequest.h"
#include "ui/pages/FileChooser.h"
#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/widgets/Editors.h"

namespace orvanta::ui {

namespace {

struct FirmwareRow {
    const char* fileBox;
    const char* choose;
    const char* send;
};

constexpr std::array<FirmwareRow, transfer::kFirmwareRows> kRows{{
    {"Edit1", "BitBtn1", "BitBtn2"},
    {"Edit2", "BitBtn3", "BitBtn4"},
    {"Edit3", "BitBtn5", "BitBtn6"},
    {"Edit4", "BitBtn7", "BitBtn8"},
}};

constexpr int32_t kFirmwareState = 140;

}  // namespace

QWidget* createFirmwarePage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet2");
    auto firmware = std::make_shared<transfer::FirmwareRequest>();
    page->setProperty("FirmwareRequest", QVariant::fromValue(firmware));

    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(8, 8, 8, 8);
    auto* group = makeGroup("GroupBoxFirmware", "Firmware", page);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 10, 8, 8);
    grid->setColumnStretch(1, 1);
    for (int r = 0; r < transfer::kFirmwareRows; ++r) {
        const FirmwareRow& row = kRows[static_cast<size_t>(r)];
        const QString defaultFile = transfer::kFirmwareDefaultFile[static_cast<size_t>(r)];
        const uint8_t kind = transfer::kFirmwareKindOfRow[static_cast<size_t>(r)];

        auto* caption = new QLabel(defaultFile, group);
        caption->setFont(boldFont(caption));
        auto* box = new QLineEdit("Select file....", group);
        box->setObjectName(row.fileBox);
        box->setMinimumWidth(260);
        auto* choose = makeButton(row.choose, "...", group);
        choose->setFixedWidth(32);
        auto* send = makeButton(row.send, "Send", group);
        send->setEnabled(false);
        if (r == 3) {
            box->setEnabled(false);
            choose->setEnabled(false);
        }
        grid->addWidget(caption, r, 0);
        grid->addWidget(box, r, 1);
        grid->addWidget(choose, r, 2);
        grid->addWidget(send, r, 3);

        QObject::connect(choose, &QPushButton::clicked, page,
                         [&ctx, box, send, defaultFile] { chooseRowFile(ctx.window, box, send, defaultFile); });
        QObject::connect(send, &QPushButton::clicked, page, [&ctx, firmware, box, kind] {
            ctx.session.request.RequestFileName = fileNameBytes(box->text());
            firmware->FirmwareKind = kind;
            ctx.loop.Post(kFirmwareState);
        });
    }
    v->addWidget(group);
    v->addStretch(1);
    return page;
}

}  // namespace orvanta::ui
