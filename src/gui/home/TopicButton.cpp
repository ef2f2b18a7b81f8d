#include "gui/home/TopicButton.h"

#include "gui/chrome/Palette.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace orbisk::gui {

namespace {

constexpr QColor kChosenBackground(0x80, 0x80, 0x80);
constexpr int kTextIndent = 4;

// One of several topics, of which one is chosen: a radio button. (A plain
// checkable button would read as a check box, and one group of exclusive
// radio buttons would take all ten off the Tab chain but the chosen one.)
class TopicAccessible final : public QAccessibleWidget {
public:
    explicit TopicAccessible(TopicButton* topic) : QAccessibleWidget(topic, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return topic()->text();
        }
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = topic()->isChecked();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction()) {
            topic()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    TopicButton* topic() const { return static_cast<TopicButton*>(widget()); }
};

QAccessibleInterface* accessibleTopic(const QString& className, QObject* object) {
    if (className == QLatin1String("orbisk::gui::TopicButton") && object && object->isWidgetType()) {
        return new TopicAccessible(static_cast<TopicButton*>(object));
    }
    return nullptr;
}

} // namespace

TopicButton::TopicButton(QWidget* parent) : QAbstractButton(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleTopic);
        return true;
    }();
    Q_UNUSED(installed);
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::ArrowCursor);
}

void TopicButton::SetChosen(bool chosen) {
    if (chosen == isChecked()) {
        return;
    }
    setChecked(chosen);
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    update();
}

QSize TopicButton::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text()) + 2 * kTextIndent, metrics.height() + 4};
}

void TopicButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QColor ink = Qt::black;
    if (isChecked()) {
        painter.fillRect(rect(), kChosenBackground);
        ink = QApplication::palette().color(QPalette::HighlightedText);
    }
    painter.setFont(font());
    painter.setPen(ink);
    painter.drawText(rect().adjusted(kTextIndent, 0, -kTextIndent, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     text());
    if (hasFocus()) {
        painter.setPen(palette::FocusDots(isChecked() ? QColor(Qt::white) : palette::kFocusMark));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TopicButton::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace orbisk::gui
