#pragma once
#include <QString>

namespace orvanta::ui {

// The help site; every help picture opens this followed by its page's path.
inline constexpr const char* kHelpSiteBase = "https://orvanta-display.com/help";

// Opens base + path in the desktop's browser. A failure is not reported.
void openHelpPage(const QString& path);
QString helpPageUrl(const QString& path);

}  // namespace orvanta::ui
