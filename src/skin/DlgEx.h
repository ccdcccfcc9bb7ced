#pragma once
#include "skin/DlgFrame.h"

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QRect>

class CBtnEx;
class QPainter;

// A frameless dialog drawn from a bitmap skin: nine-grid or plain skin, icon and
// title in the caption band, the skin's transparent corner pixels cut out of the
// window, close / minimise / maximise caption buttons glued to the right edge,
// dragging by the caption, resizing by the edges and a simulated maximise over the
// work area. Derived dialogs set the geometry members in OnInitDialog, then call
// SetTitle and SetSkin.
class CDlgEx : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDOK = 1;
    static constexpr int IDCANCEL = 2;

    explicit CDlgEx(QWidget* parent = nullptr);
    ~CDlgEx() override;

    // Runs once, right before the dialog is first shown (or when called here first).
    // Derived dialogs call the base first. Reads the work area.
    virtual bool OnInitDialog();
    void EnsureInitialised();

    void SetTitle(const QString& title);
    // Installs the skin and makes the caption buttons for the strips that are not
    // null (the restore strip only with the maximise strip). With `fit` the dialog
    // takes the skin's size; a null skin leaves size and region as they are.
    bool SetSkin(const QImage& skin, bool fit, bool stretch, const QImage& minimize, const QImage& maximize,
                 const QImage& restore, const QImage& close);
    void InvalidateCaptionButtons();

    void done(int result) override;

    virtual void OnCloseButton();
    virtual void OnMinimizeButton();
    virtual void ToggleMaximize();
    virtual void UpdateMaximizeButton(bool maximized);

    // Draws skin, icon and title into a window-sized picture; false (and nothing
    // drawn) without a skin.
    bool OnEraseBkgnd(QPainter& painter);
    HitCode OnNcHitTest(QPoint client) const;
    void DrawSkin(QPainter& painter) const;
    void UpdateWindowRegion();
    // The region UpdateWindowRegion sets (the whole window without a skin).
    QRegion SkinRegion() const;

    bool m_bShowTitle = true;
    bool m_bShowIcon = true;
    bool m_bMaximized = false;
    CBtnEx* m_btnClose = nullptr; // caption buttons exist once SetSkin made them
    CBtnEx* m_btnMin = nullptr;
    CBtnEx* m_btnMax = nullptr;
    int m_nCaptionHeight = -1;
    int m_nBtnRightMargin = 5;
    int m_nBtnTop = 1;
    int m_nBtnGap = 0;
    int m_nBorder = 3;
    QColor m_clrTitle = QColor(255, 255, 255);
    int m_nTitleWeight = 400;
    QImage m_bmpSkin;
    int m_nMaxWidth = 1440;
    int m_nMaxHeight = 900;
    QRect m_rcRestore;
    bool m_bResizable = false;
    bool m_bStretch = false;
    QImage m_bmpMaximize;
    QImage m_bmpRestore;

protected:
    // Enter and Esc; the defaults end the dialog with IDOK and IDCANCEL.
    virtual void OnOK();
    virtual void OnCancel();
    // Drawn into the same picture after the skin, before it reaches the screen.
    virtual void PaintContent(QPainter& painter);
    void OnNcLButtonDown(HitCode hit, QPoint globalPos);

    void setVisible(bool visible) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CBtnEx* MakeCaptionButton(const QImage& strip, int right, const QString& tooltip);
    void LayoutCaptionButtons();
    void RecordRestoreRect();
    bool InCaptionBand(int y) const;

    bool m_bInitialised = false;
    bool m_bTrackRestore = false; // a frame move or resize is under way
    bool m_bInToggle = false;
    bool m_bEnding = false;
    bool m_bDragging = false; // the left button went down on the caption or an edge
    HitCode m_dragHit = HTCLIENT;
    QPoint m_dragStartPos;
    QRect m_dragStartRect;
};
