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
};

}  // namespace widgets
