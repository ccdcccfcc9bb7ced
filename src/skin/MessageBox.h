#pragma once
#include <QString>

class QWidget;

// Every message and question of the launcher. type 4 asks yes or no (6 for yes,
// 7 for no), type 1 offers OK and cancel (1, 2), any other type one OK button (1);
// closing the box gives 2. Blocks in a modal loop until the box closes.
int AppMessageBox(QWidget* owner, int type, const QString& text);
