// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace ql {

class GlobalHotKey;

// The system-wide speech hot key Ctrl+Alt+S. The combination is fixed; only its state changes.
// While active it holds the key and emits keyDown for every press.
class GlobalSpeechKey : public QObject {
    Q_OBJECT
  public:
    GlobalSpeechKey(GlobalHotKey& key, QObject* parent = nullptr);
    ~GlobalSpeechKey() override;
    // Switching on when the key cannot be had keeps the wish: the next switch-on tries again.
    void setActive(bool on);
    bool active() const { return active_; }
    bool grabbed() const { return grabbed_; }

  signals:
    void keyDown();

  private:
    GlobalHotKey& key_;
    bool active_ = false;
    bool grabbed_ = false;
};

} // namespace ql
