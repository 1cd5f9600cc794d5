// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace ql {

// A label whose caption is the web address it opens when clicked, with a hand cursor.
class InfoLink : public QLabel {
    Q_OBJECT
  public:
    InfoLink(const QString& url, QWidget* parent);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace ql
