#include "frontend/quit_signals.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <csignal>

namespace quill::frontend {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int wake_pipe[2] = {-1, -1};
volatile std::sig_atomic_t requests = 0;

// Only what is safe in a signal handler: a count and a byte down the pipe.
void on_signal(int sig) {
    if (requests++ > 0) {  // asked again: end now
        std::signal(sig, SIG_DFL);
        raise(sig);
        return;
    }
    const char byte = 'q';
    [[maybe_unused]] const ssize_t n = write(wake_pipe[1], &byte, 1);
}

}  // namespace

QuitSignals::QuitSignals() {
    if (pipe2(wake_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(wake_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        while (read(wake_pipe[0], buffer, sizeof buffer) > 0) {
        }
        if (on_quit) on_quit();
    });
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : kSignals) sigaction(sig, &action, nullptr);
}

QuitSignals::~QuitSignals() {
    for (int sig : kSignals) std::signal(sig, SIG_DFL);
    if (wake_pipe[0] >= 0) {
        close(wake_pipe[0]);
        close(wake_pipe[1]);
        wake_pipe[0] = wake_pipe[1] = -1;
    }
}

bool QuitSignals::requested() {
    return requests > 0;
}

void close_when_free(QWidget* window) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
        // The box's own loop ends once this turn is over; then the window is tried again.
        QTimer::singleShot(0, window, [window] { close_when_free(window); });
        return;
    }
    window->close();
}

}  // namespace quill::frontend
