#include "gui/practice/MarkingPanel.h"

#include "core/layout/PracticeLayout.h"
#include "core/practice/MarkingProgress.h"
#include "core/practice/PracticeTexts.h"
#include "gui/chrome/Place.h"
#include "gui/chrome/QtText.h"
#include "gui/chrome/SkinPictures.h"
#include "gui/practice/InputBlocker.h"

#include <chrono>

namespace orbisk::gui {

MarkingPanel::MarkingPanel(SkinPictures& pictures, std::function<practice::Instant()> now, QWidget* parent)
    : QLabel(parent), m_now(std::move(now)) {
    setObjectName(QStringLiteral("fmeMark"));
    setPixmap(pictures.Get(QStringLiteral("bottombg4.bmp")));
    setAccessibleName(ToQString(practice::texts::kMarkingName));
    const QPixmap bar = pictures.Get(QStringLiteral("progressbar.bmp"));
    for (int n = 1; n <= practice::kProgressBars; ++n) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("imgBar%1").arg(n, 2, 10, QLatin1Char('0')));
        label->setPixmap(bar);
        Place(label, layout::PlaceProgressBar(n, layout::Twips(PictureSize(bar).width()),
                                              layout::Twips(PictureSize(bar).height())));
        label->hide();
        m_bars[static_cast<std::size_t>(n - 1)] = label;
    }
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &MarkingPanel::Step);
    hide();
}

MarkingPanel::~MarkingPanel() = default;

int MarkingPanel::barsShown() const {
    int shown = 0;
    for (QLabel* bar : m_bars) {
        shown += bar->isVisibleTo(this) ? 1 : 0;
    }
    return shown;
}

void MarkingPanel::Start() {
    for (QLabel* bar : m_bars) {
        bar->hide();
    }
    m_blocker = std::make_unique<InputBlocker>();
    m_running = true;
    m_start = m_now();
    show();
    raise();
    repaint();
    m_timer.start(std::chrono::duration_cast<std::chrono::milliseconds>(practice::kProgressStep));
}

void MarkingPanel::Step() {
    if (!m_running) {
        return;
    }
    const auto elapsed = m_now() - m_start;
    const int shown = practice::ProgressBarsShown(elapsed);
    for (int n = 1; n <= practice::kProgressBars; ++n) {
        m_bars[static_cast<std::size_t>(n - 1)]->setVisible(n <= shown);
    }
    repaint();
    if (practice::ProgressOver(elapsed)) {
        Finish();
        return;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(practice::UntilNextProgressStep(elapsed));
    m_timer.start(std::max(wait, std::chrono::milliseconds(1)));
}

void MarkingPanel::Finish() {
    if (!m_running) {
        return;
    }
    m_timer.stop();
    m_running = false;
    m_blocker.reset();
    hide();
    emit finished();
}

} // namespace orbisk::gui
