// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/FormControls.h"

#include "alarm/UpDownButtons.h"
#include "common/DialogLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace ql {

ValueRange offered(SettingField field) {
    return settingOf(field).offered();
}

void setRange(UpDownButtons* upDown, ValueRange range) {
    upDown->setMin(static_cast<int>(range.min));
    upDown->setMax(static_cast<int>(range.max));
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->adjustSize();
    l->move(at);
    return l;
}

QLineEdit* numberEdit(QWidget* parent, const char* name, QRect geometry, const QString& text) {
    auto* edit = place(new QLineEdit(text, parent), name, geometry);
    edit->setMaxLength(2);
    return edit;
}

UpDownButtons* upDown(QWidget* parent, const char* name, QRect geometry, QLineEdit* edit,
                      const QString& spoken) {
    auto* ud = place(new UpDownButtons(parent), name, geometry);
    ud->setAssociate(edit);
    edit->setAccessibleName(spoken);
    ud->setAccessibleName(spoken);
    return ud;
}

void boldCaption(QGroupBox* box) {
    QFont bold = box->parentWidget()->font();
    bold.setBold(true);
    box->setFont(bold);
}

// The contents take the dialog's font back explicitly.
void plainContents(QGroupBox* box) {
    for (QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QFont plain = child->font();
        plain.setBold(false);
        child->setFont(plain);
    }
}

void padDigit(QLineEdit* edit) {
    const QString text = edit->text();
    if (text.size() == 1 && text[0].isDigit()) edit->setText('0' + text);
}

} // namespace ql
