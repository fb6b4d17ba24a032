#include "frontend/network_wait.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace quill::frontend {
namespace {

bool is_input(QEvent::Type t) {
    switch (t) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
        case QEvent::NativeGesture:
            return true;
        default:
            return false;
    }
}

}  // namespace

NetworkWait::NetworkWait(QWidget& window, QWidget& board) : window_(window), board_(board) {
    sign_ = new QLabel(QStringLiteral("通信中…"), &board_);
    sign_->setObjectName(QStringLiteral("network_sign"));
    sign_->setAlignment(Qt::AlignCenter);
    sign_->setStyleSheet(QStringLiteral(
        "QLabel { font: bold 12px 'IPAPGothic'; color: #FFFFFF; background-color: #000077;"
        " border: 1px solid #8080C0; }"));
    sign_->setGeometry(566, 4, 68, 20);
    sign_->hide();
}

NetworkWait::~NetworkWait() {
    if (active_) qApp->removeEventFilter(this);
}

bool NetworkWait::waiting() {
    if (!active_) {
        active_ = true;
        qApp->installEventFilter(this);  // the newest filter is asked first
        sign_->show();
        sign_->raise();
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !close_wanted_ && !(ending && ending());
}

void NetworkWait::over() {
    if (!active_) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    qApp->removeEventFilter(this);
    active_ = false;
    sign_->hide();
    if (close_wanted_) {
        close_wanted_ = false;
        QTimer::singleShot(0, &window_, [w = &window_] { w->close(); });
    }
}

bool NetworkWait::eventFilter(QObject* watched, QEvent* event) {
    if (is_input(event->type())) return true;
    if (event->type() == QEvent::Close && (watched == &window_ || watched == &board_)) {
        close_wanted_ = true;
        event->ignore();
        return true;
    }
    return false;
}

}  // namespace quill::frontend
