#include "common/Modal.h"

#include <QDialog>
#include <QMessageBox>
#include <QPointer>

#include <vector>

namespace ql {
namespace {

// The program's modal windows, innermost last.
std::vector<QPointer<QWidget>>& openModals() {
    static std::vector<QPointer<QWidget>> open;
    return open;
}

void bringToFront(QWidget& w) {
    w.raise();
    w.activateWindow();
}

// Keeps the window on the list while it runs; when it closes, the one beneath gets the keyboard
// back, not the main window it blocks.
class OpenModal {
  public:
    explicit OpenModal(QWidget& w) { openModals().emplace_back(&w); }
    ~OpenModal() {
        openModals().pop_back();
        if (QWidget* below = innermostModal(); below && below->isVisible()) bringToFront(*below);
    }
    OpenModal(const OpenModal&) = delete;
    OpenModal& operator=(const OpenModal&) = delete;
};

} // namespace

ModalHooks::MessageHook ModalHooks::message;
ModalHooks::DialogHook ModalHooks::dialog;

void showMessage(QWidget* parent, MessageKind kind, const QString& title, const QString& text) {
    if (ModalHooks::message) {
        ModalHooks::message(kind, title, text);
        return;
    }
    QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon, title,
                    text, QMessageBox::Ok, parent);
    if (parent) box.setWindowModality(Qt::WindowModal);
    OpenModal open(box);
    box.exec();
}

int runModal(QDialog& dialog) {
    OpenModal open(dialog);
    if (ModalHooks::dialog) return ModalHooks::dialog(dialog);
    // Modal to its own window, not to the application: the notification-area icon must keep its
    // hint and menu while a dialog is open. A window without a parent blocks no other.
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

QWidget* innermostModal() {
    for (auto it = openModals().rbegin(); it != openModals().rend(); ++it)
        if (*it) return *it;
    return nullptr;
}

bool raiseOpenModal() {
    QWidget* open = innermostModal();
    if (!open) return false;
    bringToFront(*open);
    return true;
}

} // namespace ql
