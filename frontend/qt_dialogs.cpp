#include "frontend/qt_dialogs.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace quill::frontend {

void QtDialogs::message(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quillmoor"),
                    QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtDialogs::ask_yes_no(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quillmoor"),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace quill::frontend
