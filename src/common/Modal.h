#pragma once

#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace ql {

enum class MessageKind {
    Error, // title, error icon, one OK button
    Plain  // title, no icon, one OK button
};

// Every message box and modal dialog of the program goes through these two calls, so tests can
// answer them without a screen.
struct ModalHooks {
    using MessageHook = std::function<void(MessageKind, const QString& title, const QString& text)>;
    using DialogHook = std::function<int(QDialog&)>;
    static MessageHook message; // when set, replaces the message box
    static DialogHook dialog;   // when set, replaces QDialog::exec()
};

void showMessage(QWidget* parent, MessageKind kind, const QString& title, const QString& text);
int runModal(QDialog& dialog);
// The modal window opened last and still open, if any.
QWidget* innermostModal();
// A command that would open a second modal window over an open one (from the notification-area
// menu, which stays usable) brings the open one to the front instead; true when there was one.
bool raiseOpenModal();

} // namespace ql
