// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/FaceState.h"

#include <QWidget>

namespace ql {

class ImageList;
class ClockData;

// The main window's back panel and clock face: paints its background item, then every cell from
// the face state, for whatever region needs it. It keeps no record of earlier draws, so hidden
// days, clock jumps or a change of settings can leave nothing stale behind. The update
// operations recompute one group and repaint only the cells whose picture changed.
class FaceView : public QWidget {
    Q_OBJECT
  public:
    explicit FaceView(QWidget* parent);

    // Until the images are loaded the panel shows the window colour.
    void setImages(const ClockData* images);
    void setSmall(bool small);

    void UpdateHours(int hour, const FaceOptions& options);
    void UpdateMinutes(int minute);
    void UpdateSeconds(int second);
    void UpdateDate(int day, int dayOfWeek);
    void UpdateMiniTime(int hour, int minute, bool hours24);
    // Lights the small face's colon on one call and darkens it on the next, lit first.
    void BlinkMiniColon();

    const FaceState& state() const { return state_; }
    // The cell's place on the panel by its documented control name; empty when unknown.
    static QRect cellRect(const QString& name);

  signals:
    // The panel is about to appear: the face must be made current before it paints.
    void shown();
    void mousePressed(Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    template <typename Set> void change(Set set);
    QRect changedArea(const FaceState& before, CellId id) const;
    QRect itemRect(const FaceItem& item) const;
    QRect paintBackground(QPainter& painter) const;
    void paintCell(QPainter& painter, CellId id, const QRect& dirty) const;
    const ImageList& list(FaceList which) const;

    FaceState state_;
    const ClockData* images_ = nullptr;
    bool blinkPhase_ = true;
};

} // namespace ql
