#pragma once
#include "skin/DlgEx.h"

#include <QImage>
#include <QString>

class QWidget;

// The launcher's message box: a skinned dialog titled "6182Orvane" that sizes
// itself to its message (lines left-aligned, centred as a block) and shows "是"/"否"
// (type 4), "确定"/"取消" (type 1) or one "确定" (any other type). Enter and Esc
// do nothing; closing the box gives IDCANCEL.
class CMessageBox : public CDlgEx {
    Q_OBJECT
public:
    static constexpr int IDYES = 6;
    static constexpr int IDNO = 7;
    static constexpr int kFirstButtonId = 5000;
    static constexpr int kSecondButtonId = 5001;

    explicit CMessageBox(QWidget* parent = nullptr);
    ~CMessageBox() override;

    // Type, message and images; must come before the box is shown. A null button
    // strip gives a text-only button of the usual size.
    void SetContent(int type, const QString& text, const QImage& skin, const QImage& close,
                    const QImage& first, const QImage& second);
    bool OnInitDialog() override;

    // The result a button command ends the box with.
    static int ResultFor(int type, int commandId);

    CBtnEx* m_btnOk = nullptr;
    CBtnEx* m_btnCancel = nullptr;

protected:
    void OnOK() override;
    void OnCancel() override;
    void PaintContent(QPainter& painter) override;

private:
    CBtnEx* MakeButton(int id, const QImage& strip, const QRect& rect, const QString& label);

    QImage m_hbmSkin;
    QImage m_hbmClose;
    QImage m_hbmOk;
    QImage m_hbmCancel;
    QString m_strText;
    QString m_strTitle;
    int m_nType = 0;
    int m_nLines = 1;
    QColor m_clrText = Qt::black;
};

// Every message and question of the launcher. type 4 asks yes or no (6 for yes,
// 7 for no), type 1 offers OK and cancel (1, 2), any other type one OK button (1);
// closing the box gives 2. Blocks in a modal loop until the box closes.
int AppMessageBox(QWidget* owner, int type, const QString& text);
