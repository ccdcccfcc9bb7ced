#pragma once
#include <QColor>
#include <QImage>
#include <QProgressBar>
#include <QRect>

// A progress bar drawn from a background picture and a fill picture (magenta
// transparent). The fill shows its first half-length columns and its last ones,
// so both rounded ends appear at any length. Range and value are QProgressBar's.
class CImgProgress : public QProgressBar {
    Q_OBJECT
public:
    explicit CImgProgress(QWidget* parent = nullptr);

    // Takes both pictures; the bar takes the background's size and centres the fill.
    bool SetImages(const QImage& background, const QImage& fill);

    QRect FillRect() const { return m_rcFill; }

    bool m_bShowPercent = false;
    QColor m_clrText = QColor(255, 255, 255);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_hbmBack;
    QImage m_hbmFill;
    QRect m_rcCtrl;
    QRect m_rcFill;
};
