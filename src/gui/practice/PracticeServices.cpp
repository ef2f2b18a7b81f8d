#include "gui/practice/PracticeServices.h"

#include <QDate>
#include <QLocale>

namespace orbisk::gui {

practice::Instant SteadyNow() {
    return std::chrono::steady_clock::now();
}

QString TodayShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

} // namespace orbisk::gui
