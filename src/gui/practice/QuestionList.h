#pragma once

#include <QComboBox>

namespace orbisk::gui {

/// The questions list of the status bar (RemQns): a closed list that only a
/// deliberate choice moves. Keys that would step a closed list from question
/// to question (the arrows, Page Up, Page Down, Home, End) open it instead, a
/// letter or digit typed at it goes nowhere, and the mouse wheel passes it by;
/// in the open list the arrows move and Enter or a click chooses, once. The
/// list opens with its first entry marked, the one Enter would choose.
class QuestionList final : public QComboBox {
    Q_OBJECT
public:
    explicit QuestionList(QWidget* parent = nullptr);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orbisk::gui
