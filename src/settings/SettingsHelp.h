#pragma once

#include <QString>

class QWidget;

namespace ql {

// Opens the settings page of the help in the user's browser, or says why it cannot.
void openSettingsHelp(QWidget* parent, const QString& programDir);

} // namespace ql
