// "Maintenance": the service-records database. The item list and its editors, the
// download and upload of the database, and the two module-side erasures, which ask first.
#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/pages/PageContext.h"
#include "ui/pages/Pages.h"
#include "ui/widgets/Editors.h"

namespace orvanta::ui {

namespace {

constexpr uint8_t kDownloadDb = 66;
constexpr uint8_t kEraseServiceData = 67;
constexpr uint8_t kRestoreDefaultDb = 69;  // also opens an upload

// Asks in a warning box and posts the command only on Yes. The box does not block, so the
// connection loop goes on while it is open.
void confirmThenPost(PageContext& ctx, QWidget* page, const QString& question, uint8_t command) {
    auto* box = new QMessageBox(QMessageBox::Warning, "Warning", question, QMessageBox::Yes | QMessageBox::Cancel,
                                ctx.window);
    box->setObjectName("ConfirmBox");
    box->setDefaultButton(QMessageBox::Cancel);
    box->setEscapeButton(QMessageBox::Cancel);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::buttonClicked, page, [&ctx, box, command](QAbstractButton* b) {
        if (box->standardButton(b) == QMessageBox::Yes) ctx.loop.Post(50, command);
    });
    box->open();
}

}  // namespace

QWidget* createMaintenancePage(PageContext& ctx) {
    auto* page = new QWidget;
    page->setObjectName("TabSheet18");
    auto* h = new QHBoxLayout(page);
    h->setContentsMargins(8, 8, 8, 8);
    h->setSpacing(10);

    // The items, by name.
    auto* left = new QVBoxLayout;
    left->addWidget(makeLabel("LabelServiceItems", "Service items", page));
    auto* items = new QListWidget(page);
    items->setObjectName("ListBox1");
    items->setMinimumSize(300, 360);
    left->addWidget(items, 1);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(makeButton("SpeedButton3", "+ Add list item.", page));
    listButtons->addWidget(makeButton("SpeedButton4", "- Delete Last Items", page));
    left->addLayout(listButtons);
    h->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);

    // The selected item.
    auto* record = makeGroup("GroupBoxServiceRecord", "Service record", page);
    auto* g = new QGridLayout(record);
    g->setContentsMargins(8, 10, 8, 8);
    g->setHorizontalSpacing(6);
    auto* name = new QLineEdit(record);
    name->setObjectName("Edit14");
    name->setMinimumWidth(240);
    g->addWidget(name, 0, 0, 1, 4);

    auto* km = new SpinEdit("SpinEdit120", 1, 1000000, 1, 1, record);
    auto* miles = new SpinEdit("SpinEdit126", 1, 500000, 1, 1, record);
    auto* hours = new SpinEdit("SpinEdit121", 0, 65535, 0, 1, record);
    auto* days = new SpinEdit("SpinEdit123", 0, 65535, 0, 1, record);
    g->addWidget(makeLabel("LabelDistance", "Distance Km", record), 1, 0);
    g->addWidget(km, 1, 1);
    g->addWidget(makeLabel("LabelKm", "KM", record), 1, 2);
    g->addWidget(miles, 2, 1);
    g->addWidget(makeLabel("LabelMiles", "ml", record), 2, 2);
    g->addWidget(makeLabel("LabelHours", "Time Motor hours", record), 3, 0);
    g->addWidget(hours, 3, 1);
    g->addWidget(makeLabel("LabelDays", "Days", record), 4, 0);
    g->addWidget(days, 4, 1);
    g->addWidget(makeCheck("CheckBox38", "Miliage", record), 1, 3);
    g->addWidget(makeCheck("CheckBox39", "Hours", record), 3, 3);
    g->addWidget(makeCheck("CheckBox40", "Days", record), 4, 3);
    g->setColumnStretch(3, 1);
    right->addWidget(record);

    // The numbered buttons give the order of work: download, edit and save, upload.
    auto* db = makeGroup("GroupBoxDatabase", "Database", page);
    auto* d = new QVBoxLayout(db);
    d->setContentsMargins(8, 10, 8, 8);
    auto* download = makeButton("BitBtn54", "1.Download DB", db, true);
    QObject::connect(download, &QPushButton::clicked, page, [&ctx, items] {
        items->clear();
        ctx.loop.Post(350, kDownloadDb);
    });
    d->addWidget(download);
    d->addWidget(makeButton("BitBtn62", "2.Save Record", db, true));
    auto* upload = makeButton("BitBtn63", "3.Upload DB", db, true);
    QObject::connect(upload, &QPushButton::clicked, page, [&ctx] { ctx.loop.Post(380, kRestoreDefaultDb); });
    d->addWidget(upload);
    right->addWidget(db);

    auto* module = makeGroup("GroupBoxModuleDatabase", "Service data in the module", page);
    auto* m = new QVBoxLayout(module);
    m->setContentsMargins(8, 10, 8, 8);
    auto* restore = makeButton("BitBtn66", "Restore default DB from Disk", module);
    QObject::connect(restore, &QPushButton::clicked, page,
                     [&ctx, page] { confirmThenPost(ctx, page, "Database TO will be erased", kRestoreDefaultDb); });
    m->addWidget(restore);
    auto* reset = makeButton("BitBtn46", "Reset ALL Service Records!", module);
    QObject::connect(reset, &QPushButton::clicked, page,
                     [&ctx, page] { confirmThenPost(ctx, page, "All service data will be erased", kEraseServiceData); });
    m->addWidget(reset);
    right->addWidget(module);
    right->addStretch(1);
    h->addLayout(right);
    return page;
}

}  // namespace orvanta::ui
