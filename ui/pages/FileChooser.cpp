#include "ui/pages/FileChooser.h"

#include <QFileDialog>

namespace orvanta::ui {

QString showOpenDialog(QWidget* parent, const OpenDialogSettings& s) {
    QFileDialog dialog(parent);
    dialog.setObjectName(s.name);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!s.filter.isEmpty()) dialog.setNameFilter(s.filter);
    dialog.setDefaultSuffix(s.defaultSuffix);
    if (!s.directory.isEmpty()) dialog.setDirectory(s.directory);
    if (!s.fileName.isEmpty()) dialog.selectFile(s.fileName);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

OpenFileChooser& openFileChooser() {
    static OpenFileChooser chooser = showOpenDialog;
    return chooser;
}

}  // namespace orvanta::ui

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace orvanta::ui {

bool fileNamedExists(const QString& name) {
    if (name.isEmpty()) return false;
    return QFileInfo(name).isFile();
}

void chooseRowFile(QWidget* parent, QLineEdit* box, QPushButton* send, const QString& defaultFile) {
    OpenDialogSettings s;
    s.name = "OD2";
    // Only the extension serves as the default one: a typed "sys" becomes "sys.imz".
    s.defaultSuffix = QFileInfo(defaultFile).suffix();
    s.directory = QDir::homePath();
    s.fileName = defaultFile;
    const QString chosen = openFileChooser()(parent, s);
    if (!chosen.isEmpty()) box->setText(QDir::toNativeSeparators(chosen));
    send->setEnabled(fileNamedExists(box->text()));
}

std::string fileNameBytes(const QString& name) { return QFile::encodeName(name).toStdString(); }

}  // namespace orvanta::ui
