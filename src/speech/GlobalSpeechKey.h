#pragma once

#include <QObject>

namespace ql {

// The system-wide speech hot key Ctrl+Alt+S. The combination is fixed; only its state changes.
class GlobalSpeechKey : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void setActive(bool on) { active_ = on; }
    bool active() const { return active_; }

signals:
    void keyDown();

private:
    bool active_ = false;
};

} // namespace ql
