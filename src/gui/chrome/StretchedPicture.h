#pragma once

#include <QLabel>

namespace orbisk::gui {

/// A picture label that fills its whole size with its picture, smoothly
/// stretched as a label with scaled contents shows it, but stretched as it
/// paints instead of keeping a scaled copy: a border piece or a status cell
/// would otherwise hold a second picture the size of its area for as long as
/// it lives. It has no disabled look (the frame and status pieces are never
/// disabled).
class StretchedPicture final : public QLabel {
    Q_OBJECT
public:
    explicit StretchedPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orbisk::gui
