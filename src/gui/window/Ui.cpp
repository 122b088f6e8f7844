#include "gui/window/Ui.h"

#include <QKeyEvent>
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

// Runs an action for a key press of one of the keys (the press goes no further).
class KeyHook : public QObject {
  public:
    KeyHook(QObject* target, QList<int> keys, std::function<void()> action)
        : QObject(target), keys_(std::move(keys)), action_(std::move(action)) {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !keys_.contains(static_cast<QKeyEvent*>(event)->key()))
            return false;
        action_();
        return true;
    }

  private:
    QList<int> keys_;
    std::function<void()> action_;
};

void OnKeys(QObject* target, QList<int> keys, std::function<void()> action) {
    new KeyHook(target, std::move(keys), std::move(action));
}

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
    label->setFocusPolicy(Qt::StrongFocus);
    OnEvent(label, QEvent::MouseButtonRelease, action);
    OnKeys(label, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}, std::move(action));
}

void SetElidedText(QLabel* label, const QString& text) {
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, label->contentsRect().width()));
    label->setToolTip(text);
}

}  // namespace ui
