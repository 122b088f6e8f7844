#include "app/Ui.h"

namespace ui {

namespace {

class EventHook : public QObject {
  public:
    EventHook(QObject* target, QEvent::Type type, std::function<void()> action)
        : QObject(target), type_(type), action_(std::move(action)) {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_) action_();
        return false;
    }

  private:
    QEvent::Type type_;
    std::function<void()> action_;
};

}  // namespace

void OnEvent(QObject* target, QEvent::Type type, std::function<void()> action) {
    new EventHook(target, type, std::move(action));
}

void MakeLink(QLabel* label, std::function<void()> action) {
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette blue = label->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(blue);
    label->setCursor(Qt::PointingHandCursor);
    OnEvent(label, QEvent::MouseButtonRelease, std::move(action));
}

}  // namespace ui
