// The window on the desktop: shows the 640 × 480 board (the game's widgets, composed at
// their own size) enlarged by a whole factor with square pixels, windowed or full screen on
// black, and maps the mouse back to the board exactly.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QGraphicsProxyWidget;
class QGraphicsScene;

namespace quill::frontend {

class BoardView;

class ScaledWindow : public QWidget {
  public:
    // Takes `board`, a window that was never shown, into the scaled view. The board must
    // outlive this window.
    explicit ScaledWindow(QWidget* board);
    ~ScaledWindow() override;

    // The factor of the windowed size, 1..4.
    void set_scale(int factor);
    int windowed_scale() const { return windowed_scale_; }
    void set_fullscreen(bool on);
    bool fullscreen() const { return fullscreen_; }
    // The factor shown now: the windowed one, or in full screen the largest that fits.
    int scale() const;

    // The board point under a point of this window; nothing on the black border.
    std::optional<QPoint> to_board(QPoint window_point) const;
    // The window's pixel for a board pixel: the last of its square, right and down (where a
    // rounding mistake would show first).
    QPoint from_board(QPoint board_point) const;
    // Where the board lies in this window.
    QPoint board_origin() const;
    // The widget the desktop's mouse events for the board arrive at (its coordinates are
    // the window's less board_origin()).
    QWidget* mouse_surface() const;

    // The window as it looks now, with every change of the board drawn (which the scene
    // otherwise takes in on its next turn of the event loop).
    QImage shot();
    // Gives the keys to the next (or the previous) box or list of the board that takes them
    // by Tab; false when there is none.
    bool focus_next_on_board(bool forward);
    // Paints the window now (while the game waits for the network, no events are run).
    void repaint_now();

    // The largest factor 1..4 whose board fits in `area` (1 when none does).
    static int fitting_scale(QSize area);
    // The largest that fits the screen's free area with room for the window's frame.
    static int screen_scale();
    // The largest windowed factor whose window, frame and all, fits the free area of the
    // screen the window is on.
    int largest_windowed_scale() const;

    // F2 and F11, whichever widget has the keys.
    std::function<void()> on_settings_key;
    std::function<void(bool)> on_fullscreen_changed;
    // Runs the action of F2 or F11 (named "F2", "F11"); set by a recording run to write the key.
    std::function<void(const std::string&, const std::function<void()>&)> around_host_key;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool host_key(int key);
    void take_in_board_changes();
    void lay_out();
    void keep_on_screen();
    QSize frame_size() const;

    QWidget* board_;
    QGraphicsScene* scene_ = nullptr;
    QGraphicsProxyWidget* proxy_ = nullptr;
    BoardView* view_ = nullptr;
    int windowed_scale_ = 1;
    bool fullscreen_ = false;
    bool closing_ = false;
    std::optional<QPoint> windowed_place_;  // where the inside stood before full screen
};

}  // namespace quill::frontend
