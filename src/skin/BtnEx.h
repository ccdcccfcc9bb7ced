#pragma once
#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QVector>

// An image button drawn from a state strip: four equal states side by side
// (normal, hover, pressed, disabled), magenta transparent, with optional centred
// text and a tooltip. The parent's picture shows through the transparent pixels.
class CBtnEx : public QAbstractButton {
    Q_OBJECT
public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    explicit CBtnEx(QWidget* parent = nullptr);
    CBtnEx(const QString& text, QWidget* parent);

    // Cuts the strip into its states (a null strip leaves no images); with `resize`
    // the button takes the size of one state.
    bool SetImage(const QImage& strip, bool resize);
    void SetTooltip(const QString& text);

    // The state the next paint shows; marks the pressed latch when it is the pressed one.
    State CurrentState();
    // Forgets the hover, as when the button moves away from under the pointer.
    void ResetHover();
    bool IsHover() const { return m_bHover; }
    const QVector<QImage>& StateImages() const { return m_imgList; }

    QSize sizeHint() const override;

    // Text drawn centred on the image, and its colour; set by the owning dialog.
    QString m_strText;
    QColor m_clrText = Qt::black;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QVector<QImage> m_imgList; // states with the key turned into alpha
    bool m_bHover = false;
    bool m_bPressed = false;
    bool m_bTooltip = false;
    QString m_strTooltip;
};
