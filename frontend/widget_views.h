// Qt widgets that show one widget model each and pass their mouse events to its handlers.
#pragma once

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

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    platform::Picture& model_;
    QImage masked_;
    qint64 masked_key_ = 0;
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
    platform::ListBox& model_;
    MouseRouter router_;
    AfterEvent after_;
    std::vector<std::string> shown_items_;
    std::vector<platform::Color> shown_colors_;
};

class ButtonView : public QPushButton {
  public:
    ButtonView(platform::Button& model, AfterEvent after, QWidget* parent);
    void sync();

  private:
    platform::Button& model_;
    AfterEvent after_;
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
