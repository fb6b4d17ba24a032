#include "frontend/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>

#include "frontend/help_dialog.h"
#include "state/game.h"

namespace quill::frontend {
namespace {

QSlider* volume_slider(int value, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(0, 100);
    slider->setSingleStep(5);
    slider->setPageStep(10);
    slider->setValue(value);
    slider->setMinimumWidth(200);
    return slider;
}

}  // namespace

SettingsDialog::SettingsDialog(const Settings& settings, int largest_scale, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setWindowTitle(QStringLiteral("設定"));
    setModal(true);

    scale_box = new QComboBox(this);
    scale_box->addItem(QStringLiteral("画面に合わせる"), 0);
    // Only the sizes that fit the screen can be chosen; the others are shown greyed, with
    // their size, so the player sees why.
    auto* items = qobject_cast<QStandardItemModel*>(scale_box->model());
    for (int s = 1; s <= kMaxScale; ++s) {
        const bool fits = s <= largest_scale;
        scale_box->addItem(QStringLiteral("%1倍（%2×%3）%4")
                               .arg(s)
                               .arg(kBoardWidth * s)
                               .arg(kBoardHeight * s)
                               .arg(fits ? QString() : QStringLiteral(" 画面に入りません")),
                           s);
        if (!fits && items) items->item(scale_box->count() - 1)->setEnabled(false);
    }
    // A remembered size larger than the screen shows as the one the window has.
    const int shown = settings_.scale > largest_scale ? largest_scale : settings_.scale;
    scale_box->setCurrentIndex(scale_box->findData(shown));

    fullscreen_box = new QCheckBox(QStringLiteral("全画面で遊ぶ（F11）"), this);
    fullscreen_box->setChecked(settings_.fullscreen);

    music_slider = volume_slider(settings_.music_volume, this);
    effects_slider = volume_slider(settings_.effects_volume, this);
    music_value_ = new QLabel(this);
    effects_value_ = new QLabel(this);
    for (QLabel* l : {music_value_, effects_value_}) {
        l->setMinimumWidth(32);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    mute_box = new QCheckBox(QStringLiteral("音を消す"), this);
    mute_box->setChecked(settings_.mute);

    message_speed_box = new QComboBox(this);
    // The rows in the order of the speeds, so that the row is the value.
    for (const char* choice : {"クリックで送る", "ゆっくり", "ふつう", "はやい"})
        message_speed_box->addItem(QString::fromUtf8(choice));
    message_speed_box->setCurrentIndex(
        std::clamp(settings_.message_speed, kMessageOnClick, kMessageFast));

    auto row = [this](QSlider* slider, QLabel* value) {
        auto* box = new QHBoxLayout;
        box->addWidget(slider, 1);
        box->addWidget(value);
        return box;
    };
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("画面の大きさ"), scale_box);
    form->addRow(QString(), fullscreen_box);
    form->addRow(QStringLiteral("音楽の音量"), row(music_slider, music_value_));
    form->addRow(QStringLiteral("効果音の音量"), row(effects_slider, effects_value_));
    form->addRow(QString(), mute_box);
    form->addRow(QStringLiteral("メッセージ送り"), message_speed_box);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    // The guide opens over the settings and returns to them.
    help_button = new QPushButton(QStringLiteral("遊び方"), this);
    connect(help_button, &QPushButton::clicked, this, [this] {
        HelpDialog guide(this);
        guide.exec();
    });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(help_button);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(
        QStringLiteral("変えた設定はすぐに反映され、次に起動したときも使われます。"), this));
    layout->addLayout(bottom);

    connect(scale_box, &QComboBox::currentIndexChanged, this, [this] { changed(); });
    connect(fullscreen_box, &QCheckBox::toggled, this, [this] { changed(); });
    connect(music_slider, &QSlider::valueChanged, this, [this] { changed(); });
    connect(effects_slider, &QSlider::valueChanged, this, [this] { changed(); });
    connect(mute_box, &QCheckBox::toggled, this, [this] { changed(); });
    connect(message_speed_box, &QComboBox::currentIndexChanged, this, [this] { changed(); });
    show_values();
}

void SettingsDialog::show_values() {
    music_value_->setText(QString::number(music_slider->value()));
    effects_value_->setText(QString::number(effects_slider->value()));
    music_slider->setEnabled(!mute_box->isChecked());
    effects_slider->setEnabled(!mute_box->isChecked());
}

void SettingsDialog::changed() {
    Settings next = settings_;
    next.scale = scale_box->currentData().toInt();
    next.fullscreen = fullscreen_box->isChecked();
    next.music_volume = music_slider->value();
    next.effects_volume = effects_slider->value();
    next.mute = mute_box->isChecked();
    next.message_speed = message_speed_box->currentIndex();
    show_values();
    if (next == settings_) return;
    settings_ = next;
    if (on_change) on_change(settings_);
}

}  // namespace quill::frontend
