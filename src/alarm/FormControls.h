// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsTable.h"

#include <QPoint>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace ql {

class UpDownButtons;

// The alarm dialog's kinds of controls, built the same way wherever they sit.

ValueRange offered(SettingField field);
void setRange(UpDownButtons* upDown, ValueRange range);
QLabel* label(QWidget* parent, const char* name, const QString& text, QPoint at);
QLineEdit* numberEdit(QWidget* parent, const char* name, QRect geometry, const QString& text);
// A screen reader names the edit and its arrows by the field's label, not by the group around them.
UpDownButtons* upDown(QWidget* parent, const char* name, QRect geometry, QLineEdit* edit,
                      const QString& spoken);
// Bold captions, plain contents: call plainContents once the box is filled.
void boldCaption(QGroupBox* box);
void plainContents(QGroupBox* box);
// Puts a "0" before a lone digit, so 5 reads "05". Anything else is left for validation to judge.
void padDigit(QLineEdit* edit);

} // namespace ql
