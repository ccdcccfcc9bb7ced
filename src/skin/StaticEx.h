#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <optional>

// A label or link on a skinned dialog: its own font, an optional image on the
// left, wrapping at any character and growth to the height its text needs. It
// takes mouse input (hover colour, hand cursor, clicks) only after SetNotify(true).
class CStaticEx : public QWidget {
    Q_OBJECT
public:
    explicit CStaticEx(QWidget* parent = nullptr);
    CStaticEx(const QString& text, QWidget* parent);

    // The label's image (magenta transparent); false and no change for a null image.
    bool SetImage(const QImage& image);
    // Lets the label take the mouse: hover, cursor and clicked().
    void SetNotify(bool notify);
    // Left (default), Qt::AlignHCenter or Qt::AlignRight.
    void SetAlignment(Qt::Alignment alignment);

    // The label font, built on first use and kept.
    QFont GetLabelFont();
    // Wraps and draws m_strText; returns the number of lines drawn (0 when too narrow).
    virtual int DrawLabelText(QPainter& painter);

    QString m_strText;
    int m_nFontWeight = -1;
    bool m_bHandCursor = false;
    bool m_bUnderline = false;
    QColor m_clrText = Qt::black;
    QColor m_clrHover = Qt::black;
    int m_nLineSpacing = 3;
    bool m_bHoverColour = false;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<QFont> m_font;
    QImage m_image; // key turned into alpha
    int m_nImageWidth = 0;
    int m_nImageHeight = 0;
    bool m_bHover = false;
    bool m_bPressed = false;
    Qt::Alignment m_alignment = Qt::AlignLeft;
};
