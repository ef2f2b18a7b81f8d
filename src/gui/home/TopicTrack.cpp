#include "gui/home/TopicTrack.h"

#include "gui/chrome/Place.h"

#include <QPainter>

namespace orbisk::gui {

namespace {

constexpr QRgb kGrooveColour = 0xF3F6FA;
constexpr QRgb kFrameColour = 0xA9B7C9;

} // namespace

TopicTrack::TopicTrack(const QString& suffix, const layout::TrackLayout& layout, const QColor& light,
                       const QColor& dark, QWidget* parent)
    : QWidget(parent), m_layout(layout), m_bar(new QWidget(this)), m_mark(new QLabel(this)) {
    setObjectName(QStringLiteral("TBack") + suffix);
    Place(this, m_layout.track);

    m_bar->setObjectName(QStringLiteral("TBar") + suffix);
    // A plain widget paints a style sheet's background only when asked to.
    m_bar->setAttribute(Qt::WA_StyledBackground);
    m_bar->setStyleSheet(QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                        "stop:0 %1, stop:1 %2); border: none;")
                             .arg(light.name(), dark.name()));
    Place(m_bar, m_layout.Bar(0));

    m_mark->setObjectName(QStringLiteral("TMark") + suffix);
    m_mark->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(m_mark, m_layout.mark);
    // The mark sits inside the frame, clear of its right edge.
    m_mark->setContentsMargins(0, 0, 4, 0);
}

void TopicTrack::Show(double mean, const std::string& mark) {
    // The width comes from the unrounded mean, so two means that round alike
    // still draw bars of their own lengths.
    Place(m_bar, m_layout.Bar(mark.empty() ? 0 : mean));
    m_bar->setVisible(true);
    m_mark->setText(QString::fromUtf8(mark.data(), static_cast<qsizetype>(mark.size())));
}

void TopicTrack::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(kGrooveColour));
    painter.setPen(QColor(kFrameColour));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace orbisk::gui
