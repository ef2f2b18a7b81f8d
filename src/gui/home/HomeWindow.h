#pragma once

#include <QWidget>

namespace orbisk::gui {

/// The home window, where the learner chooses a topic and a paper.
class HomeWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HomeWindow(QWidget* parent = nullptr);
};

} // namespace orbisk::gui
