// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

namespace ql {

class InfoLink;

// The frame shared by the information windows: a fixed-size dialog with a sunken panel of texts
// above a row of buttons.
class InfoWindow : public QDialog {
    Q_OBJECT
  public:
    // The address behind the links of the welcome, upgrade and about windows: the build's home
    // page, else the about page of the help beside the program. programDir ends in '/'.
    static QString homePage(const QString& programDir);
    // Whether that address is the help on this machine rather than a web site.
    static bool isInstalledHelp(const QString& url);

  protected:
    InfoWindow(QWidget* parent, const char* name, const QString& caption, QSize clientSize,
               bool titleButtons);

    QFrame* panel(QRect geometry);
    // A text on the panel; centred unless told otherwise, wrapped to its width.
    QLabel* text(const char* name, const QString& caption, QRect geometry,
                 Qt::Alignment align = Qt::AlignHCenter | Qt::AlignTop);
    InfoLink* link(const char* name, const QString& url, QRect geometry);
    QPushButton* button(const char* name, const QString& caption, QRect geometry);
    void centreOnScreen();
    // The designed place, moved only as far as needed to keep the window on the screen.
    void placeAt(QPoint topLeft);

  private:
    QFrame* panel_ = nullptr;
};

} // namespace ql
