#include "skin/DlgEx.h"

#include "skin/BtnEx.h"
#include "skin/SkinDraw.h"
#include "skin/SkinFont.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {
QRect WorkArea(const QWidget* widget) {
    QScreen* screen = widget->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1440, 900);
}

Qt::CursorShape CursorFor(HitCode hit) {
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM:
        return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}
} // namespace

CDlgEx::CDlgEx(QWidget* parent) : QDialog(parent) {
    // No system frame, but still a minimisable window.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint);
    setFont(SkinFont(12));
    setMouseTracking(true);
}

CDlgEx::~CDlgEx() = default;

bool CDlgEx::OnInitDialog() {
    const QRect work = WorkArea(this);
    m_nMaxWidth = work.width();
    m_nMaxHeight = work.height();
    m_rcRestore = InitialRestoreRect(work);
    return true;
}

void CDlgEx::EnsureInitialised() {
    if (m_bInitialised) return;
    m_bInitialised = true;
    OnInitDialog();
}

void CDlgEx::setVisible(bool visible) {
    if (visible) EnsureInitialised();
    QDialog::setVisible(visible);
}

void CDlgEx::SetTitle(const QString& title) {
    setWindowTitle(title);
    const bool icon = m_bShowIcon && testAttribute(Qt::WA_SetWindowIcon);
    const QPoint at = CaptionTitlePos(m_nBorder, m_nCaptionHeight, icon);
    const QFontMetrics fm(SkinFont(12, m_nTitleWeight));
    update(QRect(at.x(), at.y(), std::max(0, width() - at.x()), fm.height()));
}

CBtnEx* CDlgEx::MakeCaptionButton(const QImage& strip, int right, const QString& tooltip) {
    auto* button = new CBtnEx(this);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(right - strip.width() / 4, m_nBtnTop, strip.width() / 4, strip.height());
    button->SetImage(strip, false);
    button->SetTooltip(tooltip);
    button->show();
    return button;
}

bool CDlgEx::SetSkin(const QImage& skin, bool fit, bool stretch, const QImage& minimize,
                     const QImage& maximize, const QImage& restore, const QImage& close) {
    m_bmpSkin = skin;
    m_bStretch = stretch;
    QRect r = rect();
    if (!skin.isNull()) {
        if (fit) {
            resize(skin.size());
            r = QRect(QPoint(0, 0), skin.size());
        }
        UpdateWindowRegion();
    }
    int x = r.x() + r.width() - m_nBtnRightMargin;
    if (!close.isNull()) {
        delete m_btnClose;
        m_btnClose = MakeCaptionButton(close, x, QStringLiteral("关闭"));
        connect(m_btnClose, &QAbstractButton::clicked, this, [this] { OnCloseButton(); });
    }
    if (!maximize.isNull()) {
        x -= (m_btnClose ? m_btnClose->width() : 0) + m_nBtnGap;
        delete m_btnMax;
        m_btnMax = MakeCaptionButton(maximize, x, QStringLiteral("最大化"));
        connect(m_btnMax, &QAbstractButton::clicked, this, [this] { ToggleMaximize(); });
        m_bmpMaximize = maximize;
        m_bmpRestore = restore;
    }
    if (!minimize.isNull()) {
        const CBtnEx* right = m_btnMax ? m_btnMax : m_btnClose;
        x -= (right ? right->width() : 0) + m_nBtnGap;
        delete m_btnMin;
        m_btnMin = MakeCaptionButton(minimize, x, QStringLiteral("最小化"));
        connect(m_btnMin, &QAbstractButton::clicked, this, [this] { OnMinimizeButton(); });
    }
    update();
    return true;
}

void CDlgEx::InvalidateCaptionButtons() {
    for (CBtnEx* b : {m_btnClose, m_btnMax, m_btnMin})
        if (b) b->update();
}

void CDlgEx::OnCloseButton() {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void CDlgEx::OnMinimizeButton() {
    QMetaObject::invokeMethod(this, &QWidget::showMinimized, Qt::QueuedConnection);
}

void CDlgEx::ToggleMaximize() {
    m_bInToggle = true;
    if (m_bMaximized) {
        setGeometry(m_rcRestore);
        UpdateMaximizeButton(false);
    } else {
        setGeometry(MaximizedRect(WorkArea(this), m_nMaxWidth, m_nMaxHeight));
        UpdateMaximizeButton(true);
    }
    if (m_btnMax) m_btnMax->ResetHover();
    m_bMaximized = !m_bMaximized;
    m_bTrackRestore = false;
    m_bInToggle = false;
}

void CDlgEx::UpdateMaximizeButton(bool maximized) {
    if (!m_btnMax) return;
    const QImage& strip = maximized ? m_bmpRestore : m_bmpMaximize;
    if (!strip.isNull()) m_btnMax->SetImage(strip, false);
    m_btnMax->SetTooltip(maximized ? QStringLiteral("还原") : QStringLiteral("最大化"));
}

void CDlgEx::DrawSkin(QPainter& painter) const {
    PaintSkin(painter, m_bmpSkin,
              SkinDrawPlan(size(), m_bmpSkin.size(), m_nBorder, m_nCaptionHeight, m_bStretch));
}

bool CDlgEx::OnEraseBkgnd(QPainter& p) {
    if (m_bmpSkin.isNull()) return false;
    DrawSkin(p);
    const bool icon = m_bShowIcon && testAttribute(Qt::WA_SetWindowIcon) && !windowIcon().isNull();
    if (icon)
        p.drawPixmap(QRect(CaptionIconPos(m_nBorder, m_nCaptionHeight), QSize(16, 16)),
                     windowIcon().pixmap(16, 16));
    if (m_bShowTitle) {
        p.save();
        const QFont font = SkinFont(12, m_nTitleWeight);
        p.setFont(font);
        p.setPen(m_clrTitle);
        const QPoint at = CaptionTitlePos(m_nBorder, m_nCaptionHeight, icon);
        p.drawText(at + QPoint(0, QFontMetrics(font).ascent()), windowTitle());
        p.restore();
    }
    return true;
}

void CDlgEx::PaintContent(QPainter&) {}

void CDlgEx::paintEvent(QPaintEvent*) {
    if (m_bmpSkin.isNull()) return;
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(Qt::transparent);
    {
        QPainter p(&buffer);
        OnEraseBkgnd(p);
        PaintContent(p);
    }
    QPainter(this).drawImage(0, 0, buffer);
}

QRegion CDlgEx::SkinRegion() const {
    return SkinWindowRegion(m_bmpSkin, size());
}

void CDlgEx::UpdateWindowRegion() {
    if (m_bmpSkin.isNull()) return;
    setMask(SkinRegion());
}

void CDlgEx::LayoutCaptionButtons() {
    int x = width() - m_nBtnRightMargin;
    for (CBtnEx* b : {m_btnClose, m_btnMax, m_btnMin}) {
        if (!b) continue;
        x -= b->width();
        b->move(x, b->y());
    }
}

void CDlgEx::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_bmpSkin.isNull()) return;
    UpdateWindowRegion();
    update();
    LayoutCaptionButtons();
    RecordRestoreRect();
}

void CDlgEx::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    RecordRestoreRect();
}

void CDlgEx::RecordRestoreRect() {
    if (m_bTrackRestore && !m_bInToggle && !m_bMaximized) m_rcRestore = geometry();
}

HitCode CDlgEx::OnNcHitTest(QPoint client) const {
    return DlgHitTest(client, size(), m_nBorder, m_nCaptionHeight, m_bResizable, m_bMaximized);
}

bool CDlgEx::InCaptionBand(int y) const {
    return (0 <= y && y < m_nCaptionHeight) || m_nCaptionHeight == -1;
}

void CDlgEx::OnNcLButtonDown(HitCode hit, QPoint globalPos) {
    m_bDragging = true;
    m_dragHit = hit;
    m_dragStartPos = globalPos;
    m_dragStartRect = geometry();
    m_bTrackRestore = true;
    RecordRestoreRect();
}

void CDlgEx::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const HitCode hit = OnNcHitTest(event->position().toPoint());
        if (hit == HTCAPTION || IsSizingHit(hit)) {
            OnNcLButtonDown(hit, event->globalPosition().toPoint());
            event->accept();
            return;
        }
        m_bTrackRestore = false;
    }
    QDialog::mousePressEvent(event);
}

void CDlgEx::mouseMoveEvent(QMouseEvent* event) {
    const QPoint global = event->globalPosition().toPoint();
    if (m_bDragging && (event->buttons() & Qt::LeftButton)) {
        // The dialog moves and resizes itself from its own mouse events (the pointer
        // stays grabbed while the button is down). This works with and without a window
        // manager; QWindow::startSystemMove() misplaced a frameless window under openbox.
        const QPoint delta = global - m_dragStartPos;
        if (m_dragHit == HTCAPTION) {
            move(m_dragStartRect.topLeft() + delta);
        } else {
            QSize minimum = minimumSize();
            if (!m_bmpSkin.isNull()) minimum = minimum.expandedTo(m_bmpSkin.size());
            setGeometry(ResizedRect(m_dragStartRect, m_dragHit, delta, minimum));
        }
        event->accept();
        return;
    }
    if (!(event->buttons() & Qt::LeftButton)) setCursor(CursorFor(OnNcHitTest(event->position().toPoint())));
    QDialog::mouseMoveEvent(event);
}

void CDlgEx::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_bDragging) {
        m_bDragging = false;
        RecordRestoreRect();
        m_bTrackRestore = false;
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

void CDlgEx::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        const HitCode hit = OnNcHitTest(at);
        if (m_bMaximized && InCaptionBand(at.y())) {
            ToggleMaximize();
            event->accept();
            return;
        }
        if (!m_bMaximized && m_bResizable && hit == HTCAPTION) {
            ToggleMaximize();
            event->accept();
            return;
        }
    }
    // Anything else is a second press.
    mousePressEvent(event);
}

void CDlgEx::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        switch (event->key()) {
        case Qt::Key_Escape:
            OnCancel();
            event->accept();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            OnOK();
            event->accept();
            return;
        default:
            break;
        }
    }
    QDialog::keyPressEvent(event);
}

void CDlgEx::OnOK() {
    done(IDOK);
}

void CDlgEx::OnCancel() {
    done(IDCANCEL);
}

void CDlgEx::done(int result) {
    const bool outer = !m_bEnding;
    m_bEnding = true;
    QDialog::done(result);
    if (outer) m_bEnding = false;
}

void CDlgEx::closeEvent(QCloseEvent* event) {
    // Closing the window (close button, Alt+F4, the window manager) ends it as
    // cancelled, unless it is closing because it ended with a result already.
    if (isVisible() && !m_bEnding) done(IDCANCEL);
    event->accept();
}
