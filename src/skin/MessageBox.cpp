#include "skin/MessageBox.h"

#include "skin/BtnEx.h"
#include "skin/MessageBoxLayout.h"
#include "skin/SkinImage.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
// Size of a button whose strip is missing.
constexpr QSize kFallbackButton(57, 23);

QString VisibleLine(QString line) {
    if (line.endsWith(u'\r')) line.chop(1);
    return line;
}
} // namespace

CMessageBox::CMessageBox(QWidget* parent) : CDlgEx(parent) {}

CMessageBox::~CMessageBox() = default;

void CMessageBox::SetContent(int type, const QString& text, const QImage& skin, const QImage& close,
                             const QImage& first, const QImage& second) {
    m_nType = type;
    m_strText = text;
    m_hbmSkin = skin;
    m_hbmClose = close;
    m_hbmOk = first;
    m_hbmCancel = second;
    m_strTitle = QStringLiteral("6182Orvane");
    m_clrText = Qt::black;
}

int CMessageBox::ResultFor(int type, int commandId) {
    const bool second = commandId == kSecondButtonId;
    if (type == 4) return second ? IDNO : IDYES;
    if (type == 1) return second ? IDCANCEL : IDOK;
    return IDOK;
}

CBtnEx* CMessageBox::MakeButton(int id, const QImage& strip, const QRect& rect, const QString& label) {
    auto* button = new CBtnEx(this);
    button->setGeometry(rect);
    if (!strip.isNull()) button->SetImage(strip, true);
    button->m_strText = label;
    connect(button, &QAbstractButton::clicked, this, [this, id] { done(ResultFor(m_nType, id)); });
    button->show();
    return button;
}

bool CMessageBox::OnInitDialog() {
    CDlgEx::OnInitDialog();
    m_nCaptionHeight = 30;
    m_nBorder = 4;
    m_nBtnRightMargin = 0;
    m_nBtnTop = 0;
    m_nBtnGap = 0;
    SetSkin(m_hbmSkin, false, true, QImage(), QImage(), QImage(), m_hbmClose);
    SetTitle(m_strTitle);
    m_nLines = CountMessageLines(m_strText);
    const QSize text = MeasureMessage(QFontMetrics(font()), m_strText);
    const QSize button = m_hbmOk.isNull() ? kFallbackButton : QSize(m_hbmOk.width() / 4, m_hbmOk.height());
    const MessageBoxGeometry g = LayoutMessageBox(text, m_nLines, button, m_nType);
    resize(g.box);
    const bool two = MessageBoxHasTwoButtons(m_nType);
    m_btnOk = MakeButton(kFirstButtonId, m_hbmOk, g.first,
                         m_nType == 4 ? QStringLiteral("是") : QStringLiteral("确定"));
    if (two)
        m_btnCancel = MakeButton(kSecondButtonId, m_hbmCancel, g.second,
                                 m_nType == 4 ? QStringLiteral("否") : QStringLiteral("取消"));
    return true;
}

void CMessageBox::OnOK() {}

void CMessageBox::OnCancel() {}

void CMessageBox::PaintContent(QPainter& p) {
    p.setFont(font());
    p.setPen(m_clrText);
    const QFontMetrics fm(font());
    const QSize text = MeasureMessage(fm, m_strText);
    const int lineHeight = text.height() / std::max(1, m_nLines);
    QRect line((width() - text.width()) / 2, 55, text.width(), lineHeight);
    for (const QString& row : SplitMessageLines(m_strText)) {
        p.drawText(line, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, VisibleLine(row));
        line.translate(0, lineHeight + 3);
    }
}

int AppMessageBox(QWidget* owner, int type, const QString& text) {
    CMessageBox box(owner);
    box.SetContent(type, text, LoadSkinImage(131), LoadSkinImage(132), LoadSkinImage(133),
                   LoadSkinImage(133));
    return box.exec();
}
