// "IMZ Disk Image Loader": one row per flash-disk image slot, send one or all of them,
// and the flash maintenance commands.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>
#include <QWidget>
#include <array>
#include <memory>

#include "connection/Frames.h"
#include "transfer/ImageUploadRequest.h"
#include "ui/Pictures.h"
#include "ui/pages/FileChooser.h"
#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/widgets/Editors.h"

namespace orvanta::ui {

namespace {

struct ImageRow {
    const char* caption;
    const char* hint;
    const char* fileBox;
    const char* choose;
    const char* send;
};

// Top to bottom; the slot numbers and default files are in transfer::kImageSlotOfRow.
constexpr std::array<ImageRow, transfer::kImageRows> kRows{{
    {"1. sys.imz", "text files/текстовые файлы", "Edit5", "BitBtn10", "BitBtn11"},
    {"2. fdisk.imz", "fonts/шрифты ", "Edit74", "BitBtn36", "BitBtn37"},
    {"3. disk1.imz", "open doors images / изображения открытых дверей", "Edit11", "BitBtn12", "BitBtn13"},
    {"4. backs.imz", "background images / фоновые изображения", "Edit75", "BitBtn38", "BitBtn39"},
    {"5. disk2.imz", "Icons and Warnings / Иконки и предупреждения", "Edit12", "BitBtn14", "BitBtn15"},
    {"6. diag.imz", "decoding diagnostics / расшифровка диагностики", "Edit76", "BitBtn40", "BitBtn41"},
    {"7. disk3.imz", "Menu Icons / Иконки меню", "Edit13", "BitBtn16", "BitBtn17"},
    {"8. logos.imz", "Start up Logos / Логотипы", "Edit77", "BitBtn42", "BitBtn43"},
}};

constexpr uint8_t kFormatFlash1 = 102;
constexpr uint8_t kLowSpiSpeed = 103;

}  // namespace

QWidget* createImageLoaderPage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet4");
    // The send-all queue; the upload states take the rows off it.
    auto upload = std::make_shared<transfer::ImageUploadRequest>();
    page->setProperty("ImageUploadRequest", QVariant::fromValue(upload));

    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(8, 8, 8, 8);
    v->setSpacing(8);

    auto* images = makeGroup("GroupBoxImages", "Flash disk images", page);
    auto* grid = new QGridLayout(images);
    grid->setContentsMargins(8, 10, 8, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    grid->setColumnStretch(1, 1);

    std::array<QPushButton*, transfer::kImageRows> sends{};
    for (int r = 0; r < transfer::kImageRows; ++r) {
        const ImageRow& row = kRows[static_cast<size_t>(r)];
        const QString defaultFile = transfer::kImageDefaultFile[static_cast<size_t>(r)];
        const uint8_t slot = transfer::kImageSlotOfRow[static_cast<size_t>(r)];

        auto* caption = new QLabel(row.caption, images);
        caption->setFont(boldFont(caption));
        caption->setMinimumWidth(90);
        auto* hint = new QLabel(row.hint, images);
        hint->setStyleSheet("color: #8a939c;");
        auto* box = new QLineEdit("Select file....", images);
        box->setObjectName(row.fileBox);
        box->setMinimumWidth(260);
        box->setToolTip(row.hint);
        auto* choose = makeButton(row.choose, "...", images);
        choose->setFixedWidth(32);
        choose->setToolTip("Choose the file " + defaultFile);
        auto* send = makeButton(row.send, "Send", images);
        send->setEnabled(false);
        sends[static_cast<size_t>(r)] = send;

        const int gr = 2 * r;
        grid->addWidget(caption, gr, 0);
        grid->addWidget(hint, gr, 1, 1, 3);
        grid->addWidget(box, gr + 1, 0, 1, 2);
        grid->addWidget(choose, gr + 1, 2);
        grid->addWidget(send, gr + 1, 3);
        if (r > 0) grid->setRowMinimumHeight(gr, 22);  // a little air above each caption

        QObject::connect(choose, &QPushButton::clicked, page,
                         [&ctx, box, send, defaultFile] { chooseRowFile(ctx.window, box, send, defaultFile); });
        QObject::connect(send, &QPushButton::clicked, page, [&ctx, box, slot] {
            // Whatever the box says now is sent; the upload checks the file when it starts.
            connection::RequestFields& rq = ctx.session.request;
            rq.RequestFileName = fileNameBytes(box->text());
            rq.RequestDisk = slot;
            ctx.loop.Post(240);
        });
    }
    v->addWidget(images);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    auto* sendAll = makeButton("BitBtn772333", "Send all disk images", page, true);
    sendAll->setMinimumHeight(30);
    QObject::connect(sendAll, &QPushButton::clicked, page, [&ctx, upload, sends] {
        // The rows whose file was found when chosen, in row order.
        upload->UploadQueue = 0;
        for (int r = 0; r < transfer::kImageRows; ++r)
            if (sends[static_cast<size_t>(r)]->isEnabled()) upload->queueRow(r);
        ctx.loop.Post(248);
    });
    bottom->addWidget(sendAll, 0, Qt::AlignTop);
    bottom->addStretch(1);

    auto* flash = makeGroup("GroupBoxFlash", "External flash", page);
    auto* fl = new QGridLayout(flash);
    fl->setContentsMargins(8, 10, 8, 8);
    auto* format = makeButton("Button182312312321", "Format flash1", flash);
    QObject::connect(format, &QPushButton::clicked, page, [&ctx] { ctx.loop.Post(55, kFormatFlash1); });
    auto* lowSpi = makeButton("Button18sss333", "Low spi speed", flash);
    QObject::connect(lowSpi, &QPushButton::clicked, page, [&ctx] { ctx.loop.Post(55, kLowSpiSpeed); });
    auto* wipe = makeButton("BitBtn35", "Wipe system sector", flash);
    QObject::connect(wipe, &QPushButton::clicked, page, [&ctx] { ctx.loop.Post(55, connection::cmd::EraseConfig); });
    auto* reboot = makeButton("BitBtn18", "Reboot", flash);
    reboot->setIcon(pictures::reboot());
    QObject::connect(reboot, &QPushButton::clicked, page, [&ctx] { ctx.loop.Post(50, connection::cmd::Reboot); });
    fl->addWidget(format, 0, 0);
    fl->addWidget(lowSpi, 0, 1);
    fl->addWidget(wipe, 1, 0);
    fl->addWidget(reboot, 1, 1);
    bottom->addWidget(flash);
    v->addLayout(bottom);
    v->addStretch(1);
    return page;
}

}  // namespace orvanta::ui
