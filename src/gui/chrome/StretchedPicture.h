#pragma once

#include <QLabel>

namespace orbisk::gui {

/// A picture label that fills its whole size with its picture, as a QLabel
/// with scaled contents draws it, but scales the picture as it paints instead
/// of keeping a scaled copy: a border piece or a status cell would otherwise
/// hold a second picture the size of its area for as long as it lives.
class StretchedPicture final : public QLabel {
    Q_OBJECT
public:
    explicit StretchedPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orbisk::gui
