// The guide to the game (遊び方): one page at a time, turned with 前へ and 次へ or the
// arrow keys (and Page Up / Page Down); Esc or 閉じる closes it.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quill::frontend {

class HelpDialog : public QDialog {
  public:
    static constexpr int kWidth = 520;
    static constexpr int kHeight = 380;

    explicit HelpDialog(QWidget* parent);

    int page() const { return page_; }  // from 0
    int page_count() const;
    // Shows page `index` (kept within the pages there are).
    void show_page(int index);

    QLabel* title_label = nullptr;
    QLabel* body_label = nullptr;
    QLabel* counter_label = nullptr;  // "n / N"
    QPushButton* previous_button = nullptr;
    QPushButton* next_button = nullptr;
    QPushButton* close_button = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int page_ = 0;
};

}  // namespace quill::frontend
