#include "common/Modal.h"

#include <QDialog>
#include <QMessageBox>

namespace ql {

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
    box.exec();
}

int runModal(QDialog& dialog) {
    if (ModalHooks::dialog) return ModalHooks::dialog(dialog);
    // Modal to its own window, not to the application: the notification-area icon must keep its
    // hint and menu while a dialog is open. A window without a parent blocks no other.
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

} // namespace ql
