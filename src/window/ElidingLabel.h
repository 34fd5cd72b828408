#pragma once

#include <QLabel>

namespace widgets {

// A one-line label whose text, when wider than the label, is shortened with "…" instead of cut,
// and shown whole as a tool-tip (unless the label has a hint of its own).
class ElidingLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

    // The text does not fit and is shown shortened.
    bool isElided() const;
    // Where the text goes: the contents less the margin and the indent.
    QRect textRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    bool elides() const;
    int textWidth() const;

    // The clock's panel gets a new text every second: its width is measured once per text.
    mutable QString measuredText_;
    mutable QFont measuredFont_;
    mutable int measuredWidth_ = 0;
};

}  // namespace widgets
