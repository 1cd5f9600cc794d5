// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace ql::imagegen {

QImage blank(QSize size);
// A word in the pixel face, centred on a slot of the given pitch from the image's left edge
// (pitch 0 centres it in the image), vertically centred.
QImage label(QSize size, const QString& text, int spacing, int pitch = 0);
QImage loudspeaker();
QImage alarmIndicator();
QImage bigColon();
QImage smallColon();
// The small face's one-letter AM/PM mark: A sits level with the top of the digits, P with
// their bottom.
QImage smallMark(QChar letter);

} // namespace ql::imagegen
