#include "ui/Help.h"

#include <QDesktopServices>
#include <QUrl>

namespace orvanta::ui {

QString helpPageUrl(const QString& path) { return QString::fromLatin1(kHelpSiteBase) + path; }

void openHelpPage(const QString& path) { QDesktopServices::openUrl(QUrl(helpPageUrl(path))); }

}  // namespace orvanta::ui
