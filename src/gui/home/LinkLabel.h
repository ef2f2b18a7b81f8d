#pragma once

#include <QAbstractButton>

namespace orbisk::gui {

/// A web address shown as a link: underlined, with the pointing hand. It is a
/// button underneath, so Tab reaches it, Enter, Return or Space open it, and
/// screen readers offer it as something to press.
class LinkLabel final : public QAbstractButton {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace orbisk::gui
