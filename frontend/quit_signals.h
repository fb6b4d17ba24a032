// The terminal's and the desktop's requests to end (SIGTERM, SIGINT from Ctrl+C, SIGHUP when
// the terminal goes): the game ends as when its window is closed. A second request while the
// first is being carried out ends the program at once (saves are replaced whole, so nothing
// can be left half written either way).
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;
class QWidget;

namespace quill::frontend {

class QuitSignals : public QObject {
  public:
    QuitSignals();
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // Called on the game's thread once a request has come.
    std::function<void()> on_quit;
    // True once a request has come (also while the game's thread is busy elsewhere).
    static bool requested();

  private:
    QSocketNotifier* notifier_ = nullptr;
};

// Closes the window as soon as nothing holds it open: an open question or message is
// answered as its Esc would answer it first.
void close_when_free(QWidget* window);

}  // namespace quill::frontend
