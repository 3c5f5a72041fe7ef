#pragma once
// Choosing a file to open. The pages ask through a replaceable function, so a test can
// answer in place of the user; the default shows the toolkit's open dialog.
#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace orvanta::ui {

struct OpenDialogSettings {
    QString name;           // the dialog's name ("OD2", "OpenDialog1")
    QString filter;         // e.g. "Descktop config (*.dsk)"; empty for all files
    QString defaultSuffix;  // added to a typed name that has none, without the dot
    QString directory;      // the folder shown first
    QString fileName;       // the name offered first
};

// Returns the full path the user chose, or an empty text when cancelled.
using OpenFileChooser = std::function<QString(QWidget* parent, const OpenDialogSettings& settings)>;

// The chooser every page uses.
OpenFileChooser& openFileChooser();
QString showOpenDialog(QWidget* parent, const OpenDialogSettings& settings);

}  // namespace orvanta::ui

class QLineEdit;
class QPushButton;

namespace orvanta::ui {

// True when a file of this name exists (a symbolic link counts as its target).
bool fileNamedExists(const QString& name);

// The "..." of an image or firmware row: offers the row's default file in the shared
// dialog "OD2" (all files, starting in the home folder), puts a confirmed choice into the
// box, and then enables Send exactly when the box names an existing file.
void chooseRowFile(QWidget* parent, QLineEdit* box, QPushButton* send, const QString& defaultFile);

// The box text as the file system spells the name.
std::string fileNameBytes(const QString& name);

}  // namespace orvanta::ui
