#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

namespace orbisk::gui {

/// Percent1a: one narrow column of "%" signs, one on each score row, so every
/// score reads as a percentage without carrying the sign itself.
class PercentColumn final : public QWidget {
    Q_OBJECT
public:
    explicit PercentColumn(QWidget* parent = nullptr);

    /// The score rows, in the column's own pixels (only their top and height count).
    void SetRows(QList<QRect> rows);
    /// The rows that show a "%".
    const QList<QRect>& rows() const { return m_rows; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QRect> m_rows;
};

} // namespace orbisk::gui
