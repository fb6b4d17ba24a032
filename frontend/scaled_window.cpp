#include "frontend/scaled_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <algorithm>
#include <cmath>

#include "frontend/settings.h"
#include "state/game.h"

namespace quill::frontend {

namespace {

// Room the desktop keeps for the window's title bar and frame when the scale is chosen.
constexpr int kFrameAllowance = 48;

}  // namespace

// The view of the board: the board is drawn once at its own size into the proxy's cache and
// that picture is enlarged pixel for pixel (no smoothing). Mouse positions are moved to the
// first window pixel of the board pixel they lie in, so the board sees whole pixels only.
class BoardView : public QGraphicsView {
  public:
    BoardView(QGraphicsScene* scene, ScaledWindow* host) : QGraphicsView(scene, host), host_(host) {
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setTransformationAnchor(QGraphicsView::NoAnchor);
        setResizeAnchor(QGraphicsView::NoAnchor);
        setRenderHints(QPainter::RenderHints());
        setOptimizationFlag(QGraphicsView::DontAdjustForAntialiasing, true);
        setBackgroundBrush(Qt::black);
        setSceneRect(0, 0, kBoardWidth, kBoardHeight);
        setMouseTracking(true);
        viewport()->setMouseTracking(true);
    }

  protected:
    // Tab and Shift+Tab move the keys among the board's boxes and lists, as in any window
    // (the view's own handling would look for a next widget beside the view, and the
    // scene's would stop at the board itself).
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            const bool back = k->key() == Qt::Key_Backtab ||
                              (k->key() == Qt::Key_Tab && (k->modifiers() & Qt::ShiftModifier));
            if ((k->key() == Qt::Key_Tab || back) &&
                !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
                host_->focus_next_on_board(!back);
                e->accept();
                return true;
            }
        }
        return QGraphicsView::event(e);
    }

    void mousePressEvent(QMouseEvent* e) override {
        forward(e, [this](QMouseEvent* m) { QGraphicsView::mousePressEvent(m); });
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        forward(e, [this](QMouseEvent* m) { QGraphicsView::mouseReleaseEvent(m); });
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        forward(e, [this](QMouseEvent* m) { QGraphicsView::mouseDoubleClickEvent(m); });
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        forward(e, [this](QMouseEvent* m) { QGraphicsView::mouseMoveEvent(m); });
    }

  private:
    template <class Handler>
    void forward(QMouseEvent* e, Handler handler) {
        const int s = host_->scale();
        const QPointF p = e->position();
        const QPointF snapped(std::floor(p.x() / s) * s, std::floor(p.y() / s) * s);
        QMouseEvent copy(e->type(), snapped, e->globalPosition(), e->button(), e->buttons(),
                         e->modifiers(), e->pointingDevice());
        copy.setTimestamp(e->timestamp());
        // A click the player made stays the player's click: Qt gives the focus by a click
        // (a text box's caret, its input method) only for events that came from the window
        // system, so the copy keeps that mark.
        if (e->spontaneous()) QSpontaneKeyEvent::setSpontaneous(&copy);
        handler(&copy);
        e->setAccepted(copy.isAccepted());
    }

    ScaledWindow* host_;
};

ScaledWindow::ScaledWindow(QWidget* board) : QWidget(nullptr), board_(board) {
    setWindowTitle(board->windowTitle());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    scene_ = new QGraphicsScene(0, 0, kBoardWidth, kBoardHeight, this);
    scene_->setBackgroundBrush(Qt::black);
    board_->move(0, 0);
    board_->setFocusPolicy(Qt::StrongFocus);  // the board takes the keys the view is given
    proxy_ = scene_->addWidget(board_);
    proxy_->setPos(0, 0);
    // The board is drawn into a picture of its own size, and that picture is what is enlarged.
    proxy_->setCacheMode(QGraphicsItem::ItemCoordinateCache, QSize(kBoardWidth, kBoardHeight));
    view_ = new BoardView(scene_, this);
    setFocusProxy(view_);
    scene_->setFocusItem(proxy_);
    qApp->installEventFilter(this);
    set_scale(1);
}

ScaledWindow::~ScaledWindow() {
    qApp->removeEventFilter(this);
    // The board belongs to whoever made it, not to the scene.
    proxy_->setWidget(nullptr);
    board_->setParent(nullptr);
}

int ScaledWindow::screen_scale() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 1;
    QSize area = screen->availableGeometry().size();
    area.rheight() -= kFrameAllowance;
    return fitting_scale(area);
}

int ScaledWindow::fitting_scale(QSize area) {
    for (int s = kMaxScale; s > 1; --s) {
        if (kBoardWidth * s <= area.width() && kBoardHeight * s <= area.height()) return s;
    }
    return 1;
}

QSize ScaledWindow::frame_size() const {
    // The desktop's frame around the window once it is shown; before that, room for a title bar.
    const QSize frame = frameGeometry().size() - geometry().size();
    if (isVisible() && frame.height() > 0) return frame;
    return QSize(0, kFrameAllowance);
}

int ScaledWindow::largest_windowed_scale() const {
    // A window drawn off any screen (scripts, tests) has no screen to fit.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return kMaxScale;
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return kMaxScale;
    return fitting_scale(s->availableGeometry().size() - frame_size());
}

void ScaledWindow::set_scale(int factor) {
    // A size that does not fit the screen is never taken: the window would lie partly out of
    // sight (a remembered factor from a larger screen comes down to the largest that fits).
    windowed_scale_ = std::clamp(factor, 1, std::min(kMaxScale, largest_windowed_scale()));
    if (fullscreen_) return;
    setFixedSize(kBoardWidth * windowed_scale_, kBoardHeight * windowed_scale_);
    lay_out();
    if (!isVisible()) {  // a new window opens in the middle of the screen
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    } else {
        keep_on_screen();
    }
}

// Moves the window (frame and all) back inside the screen's free area where it reaches out.
void ScaledWindow::keep_on_screen() {
    if (fullscreen_) return;
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect area = s->availableGeometry();
    const QSize frame = frame_size();
    const QRect outer(frameGeometry().topLeft(), size() + frame);
    QPoint at = outer.topLeft();
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height())));
    if (at != outer.topLeft()) move(at);
}

void ScaledWindow::set_fullscreen(bool on) {
    if (on == fullscreen_) return;
    fullscreen_ = on;
    if (on) {
        // Where the window stood, to come back to it.
        if (isVisible()) windowed_place_ = geometry().topLeft();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (isVisible()) {
            showFullScreen();
        } else {
            if (QScreen* s = screen()) setGeometry(s->geometry());
            setWindowState(windowState() | Qt::WindowFullScreen);
        }
    } else {
        if (isVisible()) {
            showNormal();
        } else {
            setWindowState(windowState() & ~Qt::WindowFullScreen);
        }
        set_scale(windowed_scale_);
        if (isVisible()) {
            if (windowed_place_) {
                // The inside's place: the frame is not known again until the desktop has put
                // it back, so placing by the frame would be off by its size.
                setGeometry(QRect(*windowed_place_, size()));
            } else if (QScreen* s = screen()) {  // started in full screen: the middle
                move(s->availableGeometry().center() - rect().center());
            }
            keep_on_screen();
        }
    }
    lay_out();
    if (on_fullscreen_changed) on_fullscreen_changed(on);
}

int ScaledWindow::scale() const {
    return fullscreen_ ? fitting_scale(size()) : windowed_scale_;
}

void ScaledWindow::lay_out() {
    const int s = scale();
    view_->setGeometry(QRect(board_origin(), QSize(kBoardWidth * s, kBoardHeight * s)));
    view_->setTransform(QTransform::fromScale(s, s));
    view_->horizontalScrollBar()->setValue(0);
    view_->verticalScrollBar()->setValue(0);
}

QPoint ScaledWindow::board_origin() const {
    if (!fullscreen_) return QPoint(0, 0);
    // Centred on the black, the odd pixel of a margin going right and down.
    const int s = scale();
    return QPoint(std::max((width() - kBoardWidth * s) / 2, 0),
                  std::max((height() - kBoardHeight * s) / 2, 0));
}

QWidget* ScaledWindow::mouse_surface() const {
    return view_->viewport();
}

std::optional<QPoint> ScaledWindow::to_board(QPoint window_point) const {
    const QPoint p = window_point - board_origin();
    if (p.x() < 0 || p.y() < 0) return std::nullopt;
    const int s = scale();
    const QPoint b(p.x() / s, p.y() / s);
    if (b.x() >= kBoardWidth || b.y() >= kBoardHeight) return std::nullopt;
    return b;
}

QPoint ScaledWindow::from_board(QPoint board_point) const {
    const int s = scale();
    return board_origin() + board_point * s + QPoint(s - 1, s - 1);
}

bool ScaledWindow::focus_next_on_board(bool forward) {
    QWidget* start = board_->focusWidget() ? board_->focusWidget() : board_;
    QWidget* w = start;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w != board_ && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            board_->isAncestorOf(w)) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    } while (w != start);
    return false;
}

// The board's changes reach the scene through posted events; they are taken in at once.
void ScaledWindow::take_in_board_changes() {
    QCoreApplication::sendPostedEvents(board_, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(board_, QEvent::UpdateLater);
    QCoreApplication::sendPostedEvents(scene_);
}

QImage ScaledWindow::shot() {
    take_in_board_changes();
    return grab().toImage();
}

void ScaledWindow::repaint_now() {
    take_in_board_changes();
    repaint();
}

bool ScaledWindow::host_key(int key) {
    std::function<void()> action;
    if (key == Qt::Key_F11) action = [this] { set_fullscreen(!fullscreen_); };
    if (key == Qt::Key_F2)
        action = [this] {
            if (on_settings_key) on_settings_key();
        };
    if (!action) return false;
    if (around_host_key) {
        around_host_key(key == Qt::Key_F11 ? "F11" : "F2", action);
    } else {
        action();
    }
    return true;
}

void ScaledWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    lay_out();
}

void ScaledWindow::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        board_->close();  // the game says goodbye (and saves) first
    }
    event->accept();
}

bool ScaledWindow::eventFilter(QObject* watched, QEvent* event) {
    // The game closed its board (the end of a script, a damaged save): the window goes too.
    if (watched == board_ && event->type() == QEvent::Close && !closing_) {
        closing_ = true;
        QTimer::singleShot(0, this, [this] { close(); });
        return false;
    }
    // F11 and F2 belong to the window, whichever of its widgets has the keys; a dialog's
    // keys stay the dialog's.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        QWidget* w = static_cast<QWidget*>(watched)->window();
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((w == this || w == board_) && !key->isAutoRepeat() &&
            !QApplication::activeModalWidget() && host_key(key->key())) {
            return true;
        }
    }
    return false;
}

}  // namespace quill::frontend
