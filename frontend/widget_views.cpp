#include "frontend/widget_views.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cstring>

#include "platform/qt_font.h"

namespace quill::frontend {
namespace {

platform::MouseButton to_button(Qt::MouseButton b) {
    switch (b) {
        case Qt::RightButton:
            return platform::MouseButton::Right;
        case Qt::MiddleButton:
            return platform::MouseButton::Middle;
        default:
            return platform::MouseButton::Left;
    }
}

platform::MouseEvent to_event(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    return platform::MouseEvent{to_button(e->button()), p.x(), p.y()};
}

// The width of the lists' scroll bar.
constexpr int kScrollBarWidth = 12;

QString css_color(platform::Color c) {
    return QString::asprintf("#%02X%02X%02X", c.r, c.g, c.b);
}

}  // namespace

void MouseRouter::press(QMouseEvent* e) {
    if (model_.on_mouse_down) {
        model_.on_mouse_down(to_event(e));
        if (after_) after_();
    }
}

void MouseRouter::release(QMouseEvent* e) {
    if (model_.on_mouse_up) {
        model_.on_mouse_up(to_event(e));
        if (after_) after_();
    }
}

void MouseRouter::move(QMouseEvent* e) {
    if (model_.on_mouse_move) {
        model_.on_mouse_move(to_event(e));
        if (after_) after_();
    }
}

PictureView::PictureView(platform::Picture& model, AfterEvent after, QWidget* parent)
    : Routed(model, std::move(after), parent), model_(model) {
    if (model.opaque) setAttribute(Qt::WA_OpaquePaintEvent);
}

namespace {

// The parts where `now` differs from `before` (a picture of the same size and format, whole
// bytes to a pixel): one rectangle for each run of rows that differ, as wide as the columns
// that differ in them. `before` is brought up to `now` on the way.
QRegion take_changes(QImage& before, const QImage& now) {
    const int pixel_bytes = now.depth() / 8;
    const size_t row_bytes = static_cast<size_t>(now.width()) * pixel_bytes;
    QRegion changed;
    int top = -1, x1 = 0, x2 = 0;  // the run of rows that differ, while there is one
    for (int y = 0; y < now.height(); ++y) {
        const uchar* n = now.constScanLine(y);
        const uchar* b = before.constScanLine(y);
        if (std::memcmp(n, b, row_bytes) == 0) {
            if (top >= 0) changed += QRect(x1, top, x2 - x1, y - top);
            top = -1;
            continue;
        }
        size_t first = 0, last = row_bytes - 1;
        while (n[first] == b[first]) ++first;
        while (n[last] == b[last]) --last;
        const int from = static_cast<int>(first) / pixel_bytes;
        const int to = static_cast<int>(last) / pixel_bytes + 1;
        std::memcpy(before.scanLine(y) + from * pixel_bytes, n + from * pixel_bytes,
                    static_cast<size_t>(to - from) * pixel_bytes);
        if (top < 0) {
            top = y;
            x1 = from;
            x2 = to;
        } else {
            x1 = std::min(x1, from);
            x2 = std::max(x2, to);
        }
    }
    if (top >= 0) changed += QRect(x1, top, x2 - x1, now.height() - top);
    return changed;
}

}  // namespace

// Every change of a game picture goes through QImage's writing accessors (bits, scanLine, a
// QPainter, assignment), and each of those gives the image a new cache key; a picture whose
// key is the one the last sync saw is unchanged. One with a new key is compared with the
// copy kept then, and only what differs is painted again: the tick draws the whole frame
// anew even when nothing in it moves.
void PictureView::sync() {
    const QImage& image = model_.picture.qimage();
    const bool keyed = model_.transparent_key;
    QRegion dirty;
    dirty.swap(painted_unsynced_);
    if (image.cacheKey() != synced_key_ || keyed != synced_transparent_key_) {
        const int h = image.height();
        const bool comparable =
            !image.isNull() && !synced_.isNull() && image.size() == synced_.size() &&
            image.format() == synced_.format() && image.depth() % 8 == 0 &&
            keyed == synced_transparent_key_ &&
            // With a transparent colour, a new one changes every pixel of either colour.
            (!keyed || image.pixel(0, h - 1) == synced_.pixel(0, h - 1));
        if (comparable) {
            dirty += take_changes(synced_, image);
        } else {
            if (!image.isNull() || !synced_.isNull()) dirty += rect();
            synced_ = image.copy();
        }
        synced_key_ = image.cacheKey();
        synced_transparent_key_ = keyed;
    }
    if (model_.hot != shown_hot_) {
        if (model_.hot) {
            setCursor(Qt::PointingHandCursor);
        } else {
            unsetCursor();
        }
        shown_hot_ = model_.hot;
        if (hovered_) dirty += rect();
    }
    if (!dirty.isEmpty()) update(dirty);
}

void PictureView::enterEvent(QEnterEvent* event) {
    Routed::enterEvent(event);
    hovered_ = true;
    if (model_.hot) update();
}

void PictureView::leaveEvent(QEvent* event) {
    Routed::leaveEvent(event);
    hovered_ = false;
    if (model_.hot) update();
}

void PictureView::paintEvent(QPaintEvent* event) {
    if (model_.picture.qimage().cacheKey() != synced_key_ ||
        model_.transparent_key != synced_transparent_key_) {
        painted_unsynced_ += event->region();
    }
    if (model_.hot && hovered_) {
        // A click region over the map: a warm light over the place and a gold rim.
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        p.setPen(QPen(QColor(255, 226, 120, 235), 2));
        p.setBrush(QColor(255, 244, 200, 70));
        p.drawRoundedRect(r, 4, 4);
    }
    if (model_.picture.empty()) return;  // a click region: what lies below shows through
    QPainter p(this);
    if (!model_.transparent_key) {
        p.drawImage(0, 0, model_.picture.qimage());
        return;
    }
    // The picture's lower-left colour is its background and is not drawn. The masked copy is
    // made again only when the picture changed.
    const QImage& image = model_.picture.qimage();
    if (image.cacheKey() != masked_key_) {
        const QColor key = image.pixelColor(0, image.height() - 1);
        masked_ = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < masked_.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(masked_.scanLine(y));
            for (int x = 0; x < masked_.width(); ++x) {
                if (qRed(row[x]) == key.red() && qGreen(row[x]) == key.green() &&
                    qBlue(row[x]) == key.blue()) {
                    row[x] = 0;
                }
            }
        }
        masked_key_ = image.cacheKey();
    }
    p.drawImage(0, 0, masked_);
}

LabelView::LabelView(platform::Label& model, AfterEvent after, QWidget* parent)
    : Routed(model, std::move(after), parent), model_(model) {}

void LabelView::sync() {
    const QString caption = QString::fromStdString(model_.caption);
    if (caption != shown_caption_) {
        setText(caption);
        shown_caption_ = caption;
    }
    // Colours through the palette, not a style sheet: setting a style sheet polishes the
    // label again and puts the inherited font back over its own, so a caption whose colour
    // changed on hover would come back small and thin.
    const bool transparent = model_.transparent;
    const uint32_t text_colour = model_.font.color.value();
    const uint32_t back_colour = transparent ? 0xFFFFFFFFu : model_.color.value();
    if (!shown_colours_ || shown_colours_->first != text_colour ||
        shown_colours_->second != back_colour) {
        QPalette pal = palette();
        const platform::Color t = model_.font.color;
        pal.setColor(QPalette::WindowText, QColor(t.r, t.g, t.b));
        if (!transparent) {
            const platform::Color b = model_.color;
            pal.setColor(QPalette::Window, QColor(b.r, b.g, b.b));
        }
        setPalette(pal);
        setAutoFillBackground(!transparent);
        shown_colours_ = std::make_pair(text_colour, back_colour);
    }
    if (shown_font_ != model_.font) {
        setFont(platform::to_qfont(model_.font));
        shown_font_ = model_.font;
    }
    if (wordWrap() != model_.word_wrap) setWordWrap(model_.word_wrap);
    const Qt::Alignment align = model_.centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop);
    if (alignment() != align) setAlignment(align);
}

PanelView::PanelView(platform::Panel& model, AfterEvent after, QWidget* parent)
    : Routed(model, std::move(after), parent), model_(model) {
    setAutoFillBackground(true);
}

void PanelView::sync() {
    if (model_.color.value() != shown_color_) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(model_.color.r, model_.color.g, model_.color.b));
        setPalette(pal);
        shown_color_ = model_.color.value();
    }
}

ListView::ListView(platform::ListBox& model, AfterEvent after, QWidget* parent)
    : QListWidget(parent), model_(model), router_(model, after), after_(std::move(after)) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
}

void ListView::keyPressEvent(QKeyEvent* e) {
    const int before = currentRow();
    QListWidget::keyPressEvent(e);
    if (currentRow() == before) return;
    model_.item_index = currentRow();
    if (model_.on_key_down) {
        const platform::Key key = e->key() == Qt::Key_Up     ? platform::Key::Up
                                  : e->key() == Qt::Key_Down ? platform::Key::Down
                                                             : platform::Key::Other;
        model_.on_key_down(key);
        if (after_) after_();
    }
}

void ListView::mousePressEvent(QMouseEvent* e) {
    QListWidget::mousePressEvent(e);
    model_.item_index = currentRow();
    router_.press(e);
}

void ListView::mouseReleaseEvent(QMouseEvent* e) {
    QListWidget::mouseReleaseEvent(e);
    model_.item_index = currentRow();
    router_.release(e);
}

void ListView::sync() {
    bool relayout = false;
    // Where the chosen row stood in the view, and the view's place, before the rows change.
    std::optional<int> anchor_y;
    const int scrolled = verticalScrollBar()->value();
    if (model_.items != shown_items_ || model_.item_colors != shown_colors_) {
        if (model_.keep_view && currentItem()) anchor_y = visualItemRect(currentItem()).top();
        clear();
        for (size_t i = 0; i < model_.items.size(); ++i) {
            auto* row = new QListWidgetItem(QString::fromStdString(model_.items[i]), this);
            if (i < model_.item_colors.size()) {
                const platform::Color c = model_.item_colors[i];
                row->setForeground(QColor(c.r, c.g, c.b));
            }
        }
        shown_items_ = model_.items;
        shown_colors_ = model_.item_colors;
        relayout = true;
    }
    if (currentRow() != model_.item_index) {
        // A list that keeps its view does not scroll to the chosen row: it is put back below.
        const bool keep = relayout && model_.keep_view;
        if (keep) setAutoScroll(false);
        setCurrentRow(model_.item_index);
        if (keep) setAutoScroll(true);
    }
    // The colours and the font are set again only when they change (the list is synced on
    // every tick while it is shown), the font also when anything else put another in its
    // place (a style sheet polishing the list again).
    if (shown_color_ != model_.color || !shown_font_ || shown_font_->color != model_.font.color) {
        // The scroll bar in the panel's own dark tones, not the desktop's light ones.
        const QString style =
            "QListWidget { background-color: " + css_color(model_.color) +
            "; color: " + css_color(model_.font.color) +
            "; }"
            "QScrollBar:vertical { background: #1A2229; width: " +
            QString::number(kScrollBarWidth) +
            "px; margin: 0; }"
            "QScrollBar::handle:vertical { background: #4A5865; min-height: 24px; "
            "border-radius: 4px; }"
            "QScrollBar::handle:vertical:hover { background: #6A7A88; }"
            "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
            "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";
        if (styleSheet() != style) setStyleSheet(style);
        shown_color_ = model_.color;
    }
    if (shown_font_ != model_.font || font() != applied_font_) {
        setFont(platform::to_qfont(model_.font));
        shown_font_ = model_.font;
        applied_font_ = font();
        relayout = true;
    }
    // The rows are laid out now, not on the list's next turn of the event loop: the board
    // is drawn as a whole, and a frame drawn in between would show the old rows in the new
    // places (a row twice, wrong names) after a purchase changed the list.
    if (relayout) {
        fit_rows();
        doItemsLayout();
        if (model_.keep_view) keep_view_still(anchor_y, scrolled);
        viewport()->update();
    }
}

// Puts the chosen row back where it stood in the view (the bought item under the pointer
// that bought it), or with none chosen the view back where it was.
void ListView::keep_view_still(std::optional<int> anchor_y, int scrolled) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(scrolled);
    QListWidgetItem* chosen = currentItem();
    if (!anchor_y || !chosen) return;
    // Scrolling goes by whole rows or by pixels, as the style has it; a second round settles
    // what the first left over.
    for (int round = 0; round < 2; ++round) {
        const int off = visualItemRect(chosen).top() - *anchor_y;
        if (off == 0) return;
        const int row_height = std::max(1, visualItemRect(chosen).height());
        const int step =
            verticalScrollMode() == QAbstractItemView::ScrollPerPixel
                ? off
                : (off > 0 ? (off + row_height - 1) : (off - row_height + 1)) / row_height;
        bar->setValue(bar->value() + step);
    }
}

void ListView::fit_rows() {
    // The room beside the scroll bar (which a long list shows), less the margins the style
    // keeps on either side of a row's text.
    const int text_margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int room = contentsRect().width() - kScrollBarWidth - 2 * text_margin;
    const QFont list_font = font();
    const int smallest = list_font.pixelSize() * 4 / 5;
    for (int i = 0; i < count(); ++i) {
        QListWidgetItem* row = item(i);
        QFont row_font = list_font;
        while (row_font.pixelSize() > smallest &&
               QFontMetrics(row_font).horizontalAdvance(row->text()) > room) {
            row_font.setPixelSize(row_font.pixelSize() - 1);
        }
        if (row_font.pixelSize() != list_font.pixelSize()) row->setFont(row_font);
    }
}

ButtonView::ButtonView(platform::Button& model, AfterEvent after, QWidget* parent)
    : QPushButton(parent), model_(model), after_(std::move(after)) {
    setFocusPolicy(Qt::NoFocus);  // Enter belongs to the game, not to a focused button
    setStyleSheet(QStringLiteral(
        "QPushButton { background-color: #323D47; color: #C0C0C0; border: 2px solid #424D57; }"
        "QPushButton:hover { background-color: #000077; color: #FFFFFF; }"
        "QPushButton:pressed { background-color: #000055; }"));
    connect(this, &QPushButton::clicked, this, [this] {
        if (model_.on_click) model_.on_click();
        if (after_) after_();
    });
}

void ButtonView::sync() {
    if (model_.caption != shown_caption_) {
        const QString caption = QString::fromStdString(model_.caption);
        if (caption != text()) setText(caption);
        shown_caption_ = model_.caption;
    }
    // As the list's: again only when it changed, here or under the button.
    if (shown_font_ != model_.font || font() != applied_font_) {
        const QFont font = platform::to_qfont(model_.font);
        if (this->font() != font) setFont(font);
        shown_font_ = model_.font;
        applied_font_ = this->font();
    }
}

EditView::EditView(platform::EditBox& model, AfterEvent after, QWidget* parent)
    : QLineEdit(parent), model_(model), after_(std::move(after)) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.text = text.toStdString();
        if (model_.on_change) model_.on_change();
        if (after_) after_();
        sync();  // the handler may have refused part of the text
    });
}

void EditView::sync() {
    const QString text = QString::fromStdString(model_.text);
    if (text != this->text()) setText(text);
    // Each of these puts the text in again (the caret to the end, the selection gone), so
    // they are set only when they change: the box is synced on every tick while the player
    // moves about in it.
    const int max_length = model_.max_length > 0 ? model_.max_length : 32767;
    if (maxLength() != max_length) setMaxLength(max_length);
    const QString placeholder = QString::fromStdString(model_.placeholder);
    if (placeholder != placeholderText()) setPlaceholderText(placeholder);
    const EchoMode echo = model_.masked ? QLineEdit::Password : QLineEdit::Normal;
    if (echoMode() != echo) setEchoMode(echo);
    const QFont font = platform::to_qfont(model_.font);
    if (this->font() != font) setFont(font);
}

}  // namespace quill::frontend
