// Shows the launcher's message box on its own, to look at the skin:
//   skin-preview <type> <text>
// type 0 is one "确定" button, 4 is "是"/"否", 1 is "确定"/"取消". The two characters
// "\n" in the text start a new line. Prints the box's result.
#include "skin/MessageBox.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/icon/128.png")));
    const QStringList args = app.arguments();
    const int type = args.size() > 1 ? args.at(1).toInt() : 0;
    QString text = args.size() > 2 ? args.at(2) : QStringLiteral("当前网络不可用，请检查网络连接是否正常！");
    text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    const int result = AppMessageBox(nullptr, type, text);
    std::printf("%d\n", result);
    return 0;
}
