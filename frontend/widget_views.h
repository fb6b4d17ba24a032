// Qt widgets that show one widget model each and pass their mouse events to its handlers.
#pragma once

#include <QEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <optional>

#include "platform/widgets.h"

namespace quill::frontend {

// Called after a handler ran, so the window can show what changed.
using AfterEvent = std::function<void()>;

// Forwards presses, releases and moves of a widget to the model's handlers.
class MouseRouter {
  public:
    MouseRouter(platform::Widget& model, AfterEvent after)
        : model_(model), after_(std::move(after)) {}
    void press(QMouseEvent* e);
    void release(QMouseEvent* e);
    void move(QMouseEvent* e);

  private:
    platform::Widget& model_;
    AfterEvent after_;
};

// A Qt widget whose presses, releases and moves go to the model's handlers.
template <class Base>
class Routed : public Base {
  public:
    Routed(platform::Widget& model, AfterEvent after, QWidget* parent)
        : Base(parent), router_(model, std::move(after)) {
        this->setMouseTracking(true);
    }

  protected:
    void mousePressEvent(QMouseEvent* e) override { router_.press(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { router_.release(e); }
    void mouseMoveEvent(QMouseEvent* e) override { router_.move(e); }

    MouseRouter router_;
};

class PictureView : public Routed<QWidget> {
  public:
    PictureView(platform::Picture& model, AfterEvent after, QWidget* parent);
    // Asks for a repaint of the parts whose pixels are not what the last sync saw; a
    // picture drawn again just as it was costs one comparison and no painting.
    void sync();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    platform::Picture& model_;
    // A place that acts now is lit while the pointer is over it, with a hand for a pointer.
    bool hovered_ = false;
    bool shown_hot_ = false;
    QImage masked_;
    qint64 masked_key_ = 0;
    // The picture as the last sync saw it (a copy of its own), the picture's cache key then
    // (any access that may write to a QImage gives it a new one) and how it was to be drawn.
    QImage synced_;
    qint64 synced_key_ = 0;
    bool synced_transparent_key_ = false;
    // Parts painted while the picture was not as the last sync saw it (a handler that drew
    // and then waited for a message box): the next sync has them painted again.
    QRegion painted_unsynced_;
};

class LabelView : public Routed<QLabel> {
  public:
    LabelView(platform::Label& model, AfterEvent after, QWidget* parent);
    void sync();

  private:
    platform::Label& model_;
    QString shown_caption_;
    std::optional<std::pair<uint32_t, uint32_t>> shown_colours_;  // text, background
    std::optional<platform::Font> shown_font_;
};

class PanelView : public Routed<QFrame> {
  public:
    PanelView(platform::Panel& model, AfterEvent after, QWidget* parent);
    void sync();

  private:
    platform::Panel& model_;
    uint32_t shown_color_ = 0xFFFFFFFF;
};

class ListView : public QListWidget {
  public:
    ListView(platform::ListBox& model, AfterEvent after, QWidget* parent);
    void sync();

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    // Keys that move the choice (arrows, page keys, Home, End) choose like a click.
    void keyPressEvent(QKeyEvent* e) override;

  private:
    // Writes a row too wide for the list a little smaller, down to four fifths of the list's
    // size; one still too wide ends in "…". The list never scrolls sideways.
    void fit_rows();
    void keep_view_still(std::optional<int> anchor_y, int scrolled);

    platform::ListBox& model_;
    MouseRouter router_;
    AfterEvent after_;
    std::vector<std::string> shown_items_;
    std::vector<platform::Color> shown_colors_;
    std::optional<platform::Color> shown_color_;
    std::optional<platform::Font> shown_font_;
    QFont applied_font_;  // the widget's font once the model's was set
};

class ButtonView : public QPushButton {
  public:
    ButtonView(platform::Button& model, AfterEvent after, QWidget* parent);
    void sync();

  private:
    platform::Button& model_;
    AfterEvent after_;
    std::string shown_caption_;
    std::optional<platform::Font> shown_font_;
    QFont applied_font_;  // the widget's font once the model's was set
};

class EditView : public QLineEdit {
  public:
    EditView(platform::EditBox& model, AfterEvent after, QWidget* parent);
    void sync();

  private:
    platform::EditBox& model_;
    AfterEvent after_;
};

}  // namespace quill::frontend
