#include "frontend/help_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

#include "view/help_pages.h"

namespace quill::frontend {
namespace {

QFont guide_font(int pixels, bool bold) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The body's lines as paragraphs with a little room between them; a run of lines of the
// form "key … what it does" becomes a table of two columns.
QString as_html(const std::string& body) {
    const QString dots = QStringLiteral(" … ");
    QString html;
    bool in_table = false;
    for (const QString& line : QString::fromStdString(body).split(u'\n')) {
        const qsizetype dots_at = line.indexOf(dots);
        if (dots_at > 0) {
            if (!in_table) html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
            in_table = true;
            html += QStringLiteral("<tr><td style=\"padding-right: 14px\">%1</td><td>%2</td></tr>")
                        .arg(line.left(dots_at).toHtmlEscaped(),
                             line.mid(dots_at + dots.size()).toHtmlEscaped());
            continue;
        }
        if (in_table) html += QStringLiteral("</table>");
        in_table = false;
        html += QStringLiteral("<p style=\"margin-bottom: 6px\">%1</p>").arg(line.toHtmlEscaped());
    }
    if (in_table) html += QStringLiteral("</table>");
    return html;
}

}  // namespace

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("遊び方"));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    setFont(guide_font(15, false));

    title_label = new QLabel(this);
    title_label->setFont(guide_font(18, true));
    body_label = new QLabel(this);
    body_label->setWordWrap(true);
    body_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    body_label->setTextFormat(Qt::RichText);
    body_label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    counter_label = new QLabel(this);

    previous_button = new QPushButton(QStringLiteral("前へ"), this);
    next_button = new QPushButton(QStringLiteral("次へ"), this);
    close_button = new QPushButton(QStringLiteral("閉じる"), this);
    connect(previous_button, &QPushButton::clicked, this, [this] { show_page(page_ - 1); });
    connect(next_button, &QPushButton::clicked, this, [this] { show_page(page_ + 1); });
    connect(close_button, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(counter_label);
    buttons->addStretch(1);
    buttons->addWidget(previous_button);
    buttons->addWidget(next_button);
    buttons->addWidget(close_button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_label);
    layout->addWidget(body_label, 1);
    layout->addLayout(buttons);

    // The page keys work wherever the keys are in the guide: a button that has them would
    // otherwise take an arrow to move the focus.
    for (QWidget* w :
         std::initializer_list<QWidget*>{this, previous_button, next_button, close_button}) {
        w->installEventFilter(this);
    }
    show_page(0);
}

int HelpDialog::page_count() const {
    return static_cast<int>(HelpPages().size());
}

void HelpDialog::show_page(int index) {
    page_ = std::clamp(index, 0, page_count() - 1);
    const HelpPage& p = HelpPages()[page_];
    title_label->setText(QString::fromStdString(p.title));
    body_label->setText(as_html(p.body));
    counter_label->setText(QStringLiteral("%1 / %2").arg(page_ + 1).arg(page_count()));
    const bool last = page_ == page_count() - 1;
    previous_button->setEnabled(page_ > 0);
    next_button->setEnabled(!last);
    // Enter reads on, and on the last page closes the guide.
    next_button->setDefault(!last);
    close_button->setDefault(last);
}

bool HelpDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Left:
            case Qt::Key_PageUp:
                show_page(page_ - 1);
                return true;
            case Qt::Key_Right:
            case Qt::Key_PageDown:
                show_page(page_ + 1);
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quill::frontend
