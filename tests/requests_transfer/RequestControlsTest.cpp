// The request controls of the desktop, image, firmware, diagnostics, maintenance and
// AutoDiag pages, pressed in the real window against the simulated module.
#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "tests/support/WindowHarness.h"
#include "transfer/ImageUploadRequest.h"
#include "ui/Help.h"
#include "ui/pages/FileChooser.h"
#include "ui/widgets/Editors.h"

using namespace orvanta;
using test::Bytes;
using test::WindowHarness;

namespace {

// Answers the open dialogs in place of the user while it lives.
class ChooserAnswer {
public:
    explicit ChooserAnswer(QString answer) : saved_(ui::openFileChooser()), answer_(std::move(answer)) {
        ui::openFileChooser() = [this](QWidget*, const ui::OpenDialogSettings& s) {
            asked = s;
            ++times;
            return answer_;
        };
    }
    ~ChooserAnswer() { ui::openFileChooser() = saved_; }
    void answer(const QString& a) { answer_ = a; }

    std::optional<ui::OpenDialogSettings> asked;
    int times = 0;

private:
    ui::OpenFileChooser saved_;
    QString answer_;
};

QString makeFile(const QTemporaryDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("image");
    return path;
}

// The pages are enabled once a port has opened, and stay so after "Disconnect". Requests
// posted then stay in the request fields, where a test can read them undisturbed.
void connectAndDisconnect(WindowHarness& h) {
    ASSERT_TRUE(h.connect());
    h.click("Button3");
    ASSERT_TRUE(WindowHarness::waitFor([&] { return !h.window().loop().Running(); }));
}

QMessageBox* waitForConfirmation(WindowHarness& h) {
    QMessageBox* box = nullptr;
    WindowHarness::waitFor([&] {
        box = h.find<QMessageBox>("ConfirmBox");
        return box && box->isVisible();
    });
    return box;
}

// Every posting control of these pages: its caption, the request it posts and, where
// the loop already performs that state, the frame the module receives.
TEST(RequestControls, EachButtonPostsItsStateCommandAndFrame) {
    struct Row {
        const char* button;
        const char* caption;
        int32_t state;
        uint8_t command;
        Bytes frame;  // empty: the frame carries a record packed by a later state
    };
    const Row rows[] = {
        {"BitBtn65", "1.Read Config<-Orvanta", 402, 99, {0xA6, 0x01, 99}},
        {"BitBtn67", "3.Save Config->Orvanta", 401, 98, {}},
        {"Button182312312321", "Format flash1", 55, 102, {0xA6, 0x01, 102}},
        {"Button18sss333", "Low spi speed", 55, 103, {0xA6, 0x01, 103}},
        {"BitBtn35", "Wipe system sector", 55, 16, {0xA6, 0x01, 16}},
        {"BitBtn54", "1.Download DB", 350, 66, {0xA6, 0x01, 66}},
        {"BitBtn63", "3.Upload DB", 380, 69, {0xA6, 0x01, 69}},
        {"BitBtn70", "1. Read Config", 412, 73, {0xA6, 0x01, 73}},
        {"BitBtn71", "3. Save Config", 411, 72, {}},
        {"BitBtn83", "4. Read ", 422, 105, {0xA6, 0x01, 105}},
        {"BitBtn84", "6. Save", 421, 104, {}},
        {"BitBtn18", "Reboot", 50, 26, {0xA6, 0x01, 26}},  // last: it ends the connection
    };
    WindowHarness h;
    ASSERT_TRUE(h.connect());
    auto& rq = h.window().session().request;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.button);
        auto* b = h.find<QPushButton>(r.button);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->text(), QString::fromUtf8(r.caption));
        h.mark();
        rq.ConnState = connection::kIdleState;
        rq.RequestCommand = 0;
        b->click();
        EXPECT_EQ(rq.ConnState, r.state);
        EXPECT_EQ(rq.RequestCommand, r.command);
        // States that belong to the records' own work are checked once the loop has them.
        if (r.frame.empty() || !h.window().loop().states().find(r.state)) continue;
        EXPECT_EQ(test::hex(h.nextFrame()), test::hex(r.frame));
        if (r.state != 50) {
            EXPECT_TRUE(WindowHarness::waitFor([&] { return rq.ConnState == connection::kIdleState; }, 5000));
        }
    }
    EXPECT_EQ(h.nextFrame(), (Bytes{0xAE, 0x00, 0x55}));
}

TEST(RequestControls, DownloadEmptiesTheItemListEvenWithoutAConnection) {
    WindowHarness h;
    connectAndDisconnect(h);
    auto* list = h.find<QListWidget>("ListBox1");
    ASSERT_TRUE(list);
    list->addItems({"Oil", "Brakes"});
    h.click("BitBtn54");
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(h.window().session().request.ConnState, 350);
}

TEST(RequestControls, DestructiveDatabaseRequestsAskFirst) {
    struct Row {
        const char* button;
        const char* question;
        uint8_t command;
    };
    const Row rows[] = {
        {"BitBtn66", "Database TO will be erased", 69},
        {"BitBtn46", "All service data will be erased", 67},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.button);
        WindowHarness h;
        connectAndDisconnect(h);
        auto& rq = h.window().session().request;
        // An earlier request stays as it was when the question is cancelled.
        h.click("BitBtn70");
        h.click(r.button);
        QMessageBox* box = waitForConfirmation(h);
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text(), r.question);
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::Cancel);
        box->button(QMessageBox::Cancel)->click();
        EXPECT_TRUE(WindowHarness::waitFor([&] { return !h.find<QMessageBox>("ConfirmBox"); }));
        EXPECT_EQ(rq.ConnState, 412);
        EXPECT_EQ(rq.RequestCommand, 73);

        // Yes sends the bare command through state 50.
        ASSERT_TRUE(h.connect());
        h.click(r.button);
        box = waitForConfirmation(h);
        ASSERT_TRUE(box);
        EXPECT_TRUE(h.framesAfter(0).empty());
        box->button(QMessageBox::Yes)->click();
        EXPECT_EQ(h.nextFrame(), (Bytes{0xA6, 0x01, r.command}));
        EXPECT_TRUE(WindowHarness::waitFor([&] { return rq.ConnState == connection::kIdleState; }));
    }
}

TEST(RequestControls, CancelledQuestionSendsNothingWhileConnected) {
    WindowHarness h;
    ASSERT_TRUE(h.connect());
    h.click("BitBtn46");
    QMessageBox* box = waitForConfirmation(h);
    ASSERT_TRUE(box);
    box->button(QMessageBox::Cancel)->click();
    EXPECT_TRUE(h.framesAfter(300).empty());
    EXPECT_EQ(h.window().session().request.ConnState, connection::kIdleState);
}

// The image rows top to bottom: box, choose, Send, default file, slot.
struct ImageRow {
    const char* box;
    const char* choose;
    const char* send;
    const char* file;
    uint8_t slot;
};
const ImageRow kImageRows[] = {
    {"Edit5", "BitBtn10", "BitBtn11", "sys.imz", 0},     {"Edit74", "BitBtn36", "BitBtn37", "fdisk.imz", 4},
    {"Edit11", "BitBtn12", "BitBtn13", "disk1.imz", 1},  {"Edit75", "BitBtn38", "BitBtn39", "backs.imz", 5},
    {"Edit12", "BitBtn14", "BitBtn15", "disk2.imz", 2},  {"Edit76", "BitBtn40", "BitBtn41", "diag.imz", 6},
    {"Edit13", "BitBtn16", "BitBtn17", "disk3.imz", 3},  {"Edit77", "BitBtn42", "BitBtn43", "logos.imz", 7},
};

TEST(ImageRows, ChooseEnablesSendAndSendPostsTheRowsSlotAndFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WindowHarness h;
    connectAndDisconnect(h);
    auto& rq = h.window().session().request;
    ChooserAnswer chooser({});
    for (const ImageRow& r : kImageRows) {
        SCOPED_TRACE(r.box);
        auto* box = h.find<QLineEdit>(r.box);
        auto* send = h.find<QPushButton>(r.send);
        ASSERT_TRUE(box && send);
        EXPECT_EQ(box->text(), "Select file....");
        EXPECT_FALSE(send->isEnabled());
        EXPECT_EQ(h.find<QPushButton>(r.choose)->text(), "...");
        EXPECT_EQ(send->text(), "Send");

        const QString path = makeFile(dir, QString("row-") + r.file);
        chooser.answer(path);
        h.click(r.choose);
        ASSERT_TRUE(chooser.asked);
        EXPECT_EQ(chooser.asked->name, "OD2");
        EXPECT_EQ(chooser.asked->filter, "");
        EXPECT_EQ(chooser.asked->fileName, r.file);
        EXPECT_EQ(chooser.asked->defaultSuffix, "imz");
        EXPECT_EQ(chooser.asked->directory, QDir::homePath());
        EXPECT_EQ(box->text(), path);
        ASSERT_TRUE(send->isEnabled());

        rq.ConnState = connection::kIdleState;
        h.click(r.send);
        EXPECT_EQ(rq.ConnState, 240);
        EXPECT_EQ(rq.RequestDisk, r.slot);
        EXPECT_EQ(rq.RequestFileName, QFile::encodeName(path).toStdString());
    }
}

TEST(ImageRows, SendFollowsWhatTheBoxNames) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = makeFile(dir, "sys.imz");
    const QString link = dir.filePath("link.imz");
    const QString dangling = dir.filePath("dangling.imz");
    ASSERT_TRUE(QFile::link(file, link));
    ASSERT_TRUE(QFile::link(dir.filePath("gone.imz"), dangling));

    WindowHarness h;
    connectAndDisconnect(h);
    auto* box = h.find<QLineEdit>("Edit5");
    auto* send = h.find<QPushButton>("BitBtn11");
    ChooserAnswer chooser({});  // every choice below is cancelled: the box text decides
    struct Case {
        QString text;
        bool enabled;
    };
    const Case cases[] = {
        {file, true},      {link, true},  {dangling, false}, {dir.path(), false},
        {"Select file....", false}, {"", false}, {dir.filePath("missing.imz"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        box->setText(c.text);
        h.click("BitBtn10");
        EXPECT_EQ(box->text(), c.text);
        EXPECT_EQ(send->isEnabled(), c.enabled);
    }

    // Text typed after the choice is what Send posts.
    box->setText(file);
    h.click("BitBtn10");
    box->setText(dir.filePath("typed later.imz"));
    h.click("BitBtn11");
    EXPECT_EQ(h.window().session().request.RequestFileName,
              QFile::encodeName(dir.filePath("typed later.imz")).toStdString());
}

TEST(ImageRows, SendAllQueuesTheRowsWhoseSendIsEnabled) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WindowHarness h;
    connectAndDisconnect(h);
    auto* page = h.find<QWidget>("TabSheet4");
    ASSERT_TRUE(page);
    auto upload = page->property("ImageUploadRequest").value<std::shared_ptr<transfer::ImageUploadRequest>>();
    ASSERT_TRUE(upload);
    auto& rq = h.window().session().request;
    EXPECT_EQ(h.find<QPushButton>("BitBtn772333")->text(), "Send all disk images");

    h.click("BitBtn772333");
    EXPECT_EQ(upload->UploadQueue, 0);
    EXPECT_EQ(rq.ConnState, 248);

    // Rows 2 and 7; leftovers of an interrupted send-all are dropped.
    ChooserAnswer chooser(makeFile(dir, "fdisk.imz"));
    h.click("BitBtn36");
    chooser.answer(makeFile(dir, "disk3.imz"));
    h.click("BitBtn16");
    upload->UploadQueue = 0xFF;
    rq.ConnState = connection::kIdleState;
    h.click("BitBtn772333");
    EXPECT_EQ(upload->UploadQueue, 0x42);
    EXPECT_EQ(rq.ConnState, 248);
}

TEST(FirmwareRows, SendPostsState140WithTheFileAndKind) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WindowHarness h;
    auto* page = h.find<QWidget>("TabSheet2");
    ASSERT_TRUE(page);
    auto* pages = h.find<QTabWidget>("cxPageControl1");
    const int index = pages->indexOf(page->parentWidget()->parentWidget());
    ASSERT_GE(index, 0);
    EXPECT_FALSE(pages->isTabVisible(index));
    EXPECT_FALSE(page->isEnabled());
    auto firmware = page->property("FirmwareRequest").value<std::shared_ptr<transfer::FirmwareRequest>>();
    ASSERT_TRUE(firmware);

    // Nothing in the window reaches this page; enable it to press its buttons.
    connectAndDisconnect(h);
    page->setEnabled(true);
    struct Row {
        const char* box;
        const char* choose;
        const char* send;
        const char* file;
        uint8_t kind;
    };
    const Row rows[] = {
        {"Edit1", "BitBtn1", "BitBtn2", "os.pr", 0xA4},
        {"Edit2", "BitBtn3", "BitBtn4", "firmware.rs", 0xA6},
        {"Edit3", "BitBtn5", "BitBtn6", "firmware.bk", 0xA7},
    };
    ChooserAnswer chooser({});
    auto& rq = h.window().session().request;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.box);
        EXPECT_FALSE(h.find<QPushButton>(r.send)->isEnabled());
        const QString path = makeFile(dir, r.file);
        chooser.answer(path);
        h.click(r.choose);
        EXPECT_EQ(chooser.asked->name, "OD2");
        EXPECT_EQ(chooser.asked->fileName, r.file);
        ASSERT_TRUE(h.find<QPushButton>(r.send)->isEnabled());
        h.click(r.send);
        EXPECT_EQ(rq.ConnState, 140);
        EXPECT_EQ(rq.RequestFileName, QFile::encodeName(path).toStdString());
        EXPECT_EQ(firmware->FirmwareKind, r.kind);
    }
    EXPECT_FALSE(h.find<QLineEdit>("Edit4")->isEnabled());
    EXPECT_FALSE(h.find<QPushButton>("BitBtn7")->isEnabled());
    EXPECT_FALSE(h.find<QPushButton>("BitBtn8")->isEnabled());
}

TEST(HiddenPages, DiagnosticsListsItsUnitsAndItsButtonsDoNothing) {
    WindowHarness h;
    auto* list = h.find<ui::CheckListBox>("CheckListBox4");
    ASSERT_TRUE(list);
    const QStringList expected{"01-Engine", "02-Auto Transmission", "03-ABS", "08-Auto HVAC", "09-Cent. Elect.",
                               "15-AirBags", "16-Steering wheel", "17-Instruments", "18-Aux. Heat",
                               "19-CAN Gateway", "22-AWD", "25-IMMO", "35-Centr Locks", "37-NAVI",
                               "45-Inter Monitor", "46-Central Comfort system module", "55Xenon Range", "56-Radio"};
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    EXPECT_EQ(items, expected);

    ASSERT_TRUE(h.connect());
    auto& rq = h.window().session().request;
    rq.RequestCommand = 0x5A;
    for (const char* name : {"Button69", "Button70"}) h.click(name);
    EXPECT_EQ(h.find<QPushButton>("Button69")->text(), "Read");
    EXPECT_EQ(h.find<QPushButton>("Button70")->text(), "Save");
    EXPECT_EQ(rq.ConnState, connection::kIdleState);
    EXPECT_EQ(rq.RequestCommand, 0x5A);
    EXPECT_TRUE(h.framesAfter(300).empty());
}

TEST(PageControls, DesktopEditorTabsAreHiddenAndTheFirstPageShown) {
    WindowHarness h;
    auto* editors = h.find<QTabWidget>("PageControl2");
    ASSERT_TRUE(editors);
    EXPECT_EQ(editors->count(), 9);
    for (int i = 0; i < editors->count(); ++i) EXPECT_FALSE(editors->isTabVisible(i)) << i;
    EXPECT_EQ(editors->currentIndex(), 0);
    EXPECT_EQ(editors->tabPosition(), QTabWidget::South);

    // Shown after connecting, the Desktop tab has no visible tab row of its own.
    ASSERT_TRUE(h.connect());
    auto* pages = h.find<QTabWidget>("cxPageControl1");
    pages->setCurrentWidget(h.find<QWidget>("TabSheet10")->parentWidget()->parentWidget());
    EXPECT_TRUE(WindowHarness::waitFor([&] { return editors->isVisible(); }));
    EXPECT_FALSE(editors->tabBar()->isVisible());
    EXPECT_TRUE(editors->widget(0)->isVisible());
}

TEST(PageControls, AutoDiagUnitPagesAndDesktopParams) {
    WindowHarness h;
    auto* units = h.find<QTabWidget>("PageControl3");
    auto* params = h.find<QTabWidget>("PageControl4");
    ASSERT_TRUE(units && params);
    QStringList captions;
    for (int i = 0; i < units->count(); ++i) captions << units->tabText(i);
    EXPECT_EQ(captions, (QStringList{"ECU motor [1]", "AT [2]", "Dashboard [17]", "PDC - Park Assist [76]",
                                     "Air Suspension [34]"}));
    ASSERT_EQ(params->count(), 1);
    EXPECT_EQ(params->tabText(0), "Desktop Params");
    for (const char* name : {"BitBtn83", "BitBtn84"})
        EXPECT_TRUE(params->widget(0)->findChild<QPushButton*>(name)) << name;
}

// Receives what the help pictures hand to the desktop's browser.
class BrowserSpy : public QObject {
    Q_OBJECT
public:
    explicit BrowserSpy(QString scheme) : scheme_(std::move(scheme)) {
        QDesktopServices::setUrlHandler(scheme_, this, "open");
    }
    ~BrowserSpy() override { QDesktopServices::unsetUrlHandler(scheme_); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }

private:
    QString scheme_;
};

TEST(HelpPictures, AutoDiagPicturesOpenTheirPagesInTheBrowser) {
    WindowHarness h;
    connectAndDisconnect(h);
    BrowserSpy spy(QUrl(ui::helpPageUrl("/")).scheme());
    struct Row {
        int page;  // of PageControl3
        const char* picture;
        const char* path;
    };
    const Row rows[] = {
        {0, "Image90", "/Installation/Auto-Diag_20set.htm"}, {1, "Image91", "/Installation/ATF.htm"},
        {2, "Image92", "/Installation/Auto-Diag_20set.htm"}, {3, "Image94", "/Installation/Auto-Diag_20set.htm"},
        {4, "Image93", "/Installation/Auto-Diag_20set.htm"},
    };
    auto* units = h.find<QTabWidget>("PageControl3");
    ASSERT_TRUE(units);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.picture);
        auto* picture = units->widget(r.page)->findChild<ui::ClickableLabel*>(r.picture);
        ASSERT_TRUE(picture);
        spy.opened.clear();
        QTest::mouseClick(picture, Qt::LeftButton);
        ASSERT_EQ(spy.opened.size(), 1);
        EXPECT_EQ(spy.opened.front(), QUrl(ui::helpPageUrl(r.path)));
    }
}

TEST(FileDialogs, DesktopBackupIsChosenWithItsFilter) {
    WindowHarness h;
    connectAndDisconnect(h);
    ChooserAnswer chooser({});
    h.click("BitBtn68");
    ASSERT_TRUE(chooser.asked);
    EXPECT_EQ(chooser.asked->name, "OpenDialog1");
    EXPECT_EQ(chooser.asked->filter, "Descktop config (*.dsk)");
    EXPECT_EQ(chooser.asked->defaultSuffix, "dsk");
    EXPECT_EQ(h.find<QLineEdit>("Edit16")->text(), "Desktop.Cfg");
}

// The toolkit's own dialog behind the default chooser, answered as a user would.
TEST(FileDialogs, DefaultChooserShowsTheNamedDialogInTheHomeFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = makeFile(dir, "disk2.imz");
    WindowHarness h;
    connectAndDisconnect(h);
    std::optional<QString> shownIn;
    QTimer::singleShot(0, [&] {
        QFileDialog* dialog = nullptr;
        WindowHarness::waitFor([&] {
            dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            return dialog != nullptr;
        });
        if (!dialog) return;
        if (dialog->objectName() == "OD2") shownIn = dialog->directory().absolutePath();
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // as the dialog's Open button does
    });
    h.click("BitBtn14");
    ASSERT_TRUE(shownIn);
    EXPECT_EQ(*shownIn, QDir(QDir::homePath()).absolutePath());
    EXPECT_EQ(QDir::fromNativeSeparators(h.find<QLineEdit>("Edit12")->text()), path);
    EXPECT_TRUE(h.find<QPushButton>("BitBtn15")->isEnabled());
}

}  // namespace

#include "RequestControlsTest.moc"
