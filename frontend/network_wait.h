// The window while an exchange waits for the server. The game stands still (no ticks run and
// the handler that started the exchange waits for its answer), but the window goes on being
// painted, shows a small "通信中…" sign, and drops every click and key that arrives meanwhile,
// so that nothing the player did during the wait is carried out after it. A request to close
// the window is kept until the exchange has been given up.
#pragma once

#include <QObject>

#include <functional>

class QLabel;
class QWidget;

namespace quill::frontend {

class NetworkWait : public QObject {
  public:
    // `window` is the desktop's window, `board` the game's widgets inside it.
    NetworkWait(QWidget& window, QWidget& board);
    ~NetworkWait() override;

    // One turn of the wait: paints, drops input; false when the exchange should give up.
    bool waiting();
    // The exchange is over: what arrived at its very end is dropped too, then the window is
    // the player's again (and closes, if that was asked meanwhile).
    void over();
    // True when the program is ending for another reason (a signal).
    std::function<bool()> ending;

    bool active() const { return active_; }
    QLabel* sign() const { return sign_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    QWidget& board_;
    QLabel* sign_ = nullptr;
    bool active_ = false;
    bool close_wanted_ = false;
};

}  // namespace quill::frontend
