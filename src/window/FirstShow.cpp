#include "window/FirstShow.h"

#include <QEvent>
#include <QWidget>

namespace widgets {

namespace {

class FirstShow final : public QObject {
  public:
    FirstShow(QWidget* widget, std::function<void()> prepare)
        : QObject(widget), prepare_(std::move(prepare)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && prepare_) {
            watched->removeEventFilter(this);
            // Taken out first: the work may show the widget again.
            const std::function<void()> prepare = std::exchange(prepare_, nullptr);
            prepare();
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void()> prepare_;
};

}  // namespace

void WhenFirstShown(QWidget* widget, std::function<void()> prepare) {
    if (widget->isVisible()) {
        prepare();
        return;
    }
    new FirstShow(widget, std::move(prepare));
}

}  // namespace widgets
