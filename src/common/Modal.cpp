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
    box.exec();
}

int runModal(QDialog& dialog) {
    if (ModalHooks::dialog) return ModalHooks::dialog(dialog);
    return dialog.exec();
}

} // namespace ql
