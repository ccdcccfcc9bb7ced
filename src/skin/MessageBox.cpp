#include "skin/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

// Plain stand-in until the skinned box exists: same title, texts and results.
int AppMessageBox(QWidget* owner, int type, const QString& text) {
    QMessageBox box(owner);
    box.setWindowTitle(QStringLiteral("6182Orvane"));
    box.setText(text);
    QPushButton* first = nullptr;
    QPushButton* second = nullptr;
    if (type == 4) {
        first = box.addButton(QStringLiteral("是"), QMessageBox::AcceptRole);
        second = box.addButton(QStringLiteral("否"), QMessageBox::RejectRole);
    } else if (type == 1) {
        first = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
        second = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    } else {
        first = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    }
    box.exec();
    if (box.clickedButton() == first) return type == 4 ? 6 : 1;
    if (second && box.clickedButton() == second) return type == 4 ? 7 : 2;
    return 2;
}
