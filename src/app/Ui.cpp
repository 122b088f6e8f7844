#include "app/Ui.h"

#include <QPainter>

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

QPixmap ProgramIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintProgramIcon(painter, size);
    return pixmap;
}

void PaintProgramIcon(QPainter& painter, int size) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1, 1, size - 2, size - 2);
    painter.setPen(QPen(QColor(59, 111, 182), size / 16.0));
    painter.setBrush(QColor(223, 233, 255));
    painter.drawEllipse(disc);
    painter.setBrush(QColor(143, 178, 230));
    painter.setPen(Qt::NoPen);
    painter.drawPie(disc.adjusted(size / 10.0, size / 10.0, -size / 10.0, -size / 10.0), 0, 90 * 16);
    painter.setBrush(QColor(59, 111, 182));
    painter.drawEllipse(disc.center(), size / 7.0, size / 7.0);
    painter.setBrush(Qt::white);
    painter.drawEllipse(disc.center(), size / 20.0, size / 20.0);
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
