// How the windows look to the learner: pictures at the screen's pixel ratio,
// and a paper begun on the home page. ctest runs the SharpPictures suite a
// second time at a scale factor of 2 (QT_SCALE_FACTOR=2), where every picture
// must come from its twin.
#include "PracticeFixture.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/home/HomePage.h"
#include "gui/home/HomeToolbar.h"
#include "gui/home/PercentColumn.h"
#include "gui/practice/PracticeToolbar.h"
#include "gui/practice/QuestionView.h"

#include <QTextDocument>
#include <QUrl>

namespace orbisk::gui {
namespace {

using orbisk::testing::PracticeFixture;

class SharpPictures : public PracticeFixture {
protected:
    /// The device pixel ratio the pictures must have on @p widget's screen.
    static qreal ratioFor(const QWidget& widget) {
        if (qEnvironmentVariable("QT_SCALE_FACTOR") == QStringLiteral("2")) {
            EXPECT_EQ(widget.devicePixelRatioF(), 2.0) << "the run at scale factor 2 is not at 2";
        }
        return widget.devicePixelRatioF() > 1 ? 2.0 : 1.0;
    }
};

TEST_F(SharpPictures, TheSkinComesAtTheScreensRatioAndItsSizeInTheWindow) {
    PracticeWindow* window = OpenPaper(101);
    ASSERT_NE(window, nullptr);
    const qreal ratio = ratioFor(*window);
    const ImageButton* next = window->toolbar()->button(practice::ToolbarButton::Next);
    const ImageButton* close = window->frame().closeButton();
    const ImageButton* homeButton = Home().toolbar().button(1);
    for (const ImageButton* button : {next, close, homeButton}) {
        EXPECT_EQ(button->shownPicture().devicePixelRatio(), ratio) << button->objectName().toStdString();
        EXPECT_EQ(button->size(), PictureSize(button->shownPicture())) << button->objectName().toStdString();
    }
    EXPECT_EQ(next->size(), QSize(44, 45));
    EXPECT_EQ(close->size(), QSize(19, 19));
}

TEST_F(SharpPictures, ThePagesPicturesComeAtTheScreensRatioAndTheirSizeOnThePage) {
    PracticeWindow* window = OpenPaper(104, 1, 3);
    ASSERT_NE(window, nullptr);
    window->NextQuestion(); // the question with a picture of its own
    const qreal ratio = ratioFor(*window);
    QTextDocument& page = *window->view()->document();
    const QString html = page.toHtml();
    ASSERT_TRUE(html.contains(QStringLiteral("cid:picture20302@orbisk.example")));
    for (const auto& [reference, size] :
         {std::pair{QStringLiteral("test-logo.png"), QSize(64, 16)},
          std::pair{QStringLiteral("cid:picture20302@orbisk.example"), QSize(24, 24)}}) {
        const QVariant loaded = page.resource(QTextDocument::ImageResource, QUrl(reference));
        QPixmap picture;
        if (loaded.userType() == QMetaType::QPixmap) {
            picture = loaded.value<QPixmap>();
        } else {
            picture.loadFromData(loaded.toByteArray());
        }
        EXPECT_EQ(picture.devicePixelRatio(), ratio) << reference.toStdString();
        EXPECT_EQ(PictureSize(picture), size) << reference.toStdString();
    }
}

class InProgress : public PracticeFixture {};

TEST_F(InProgress, APaperLeftUnmarkedSaysSoInPlaceOfItsScore) {
    PracticeWindow* window = OpenPaper(102);
    ASSERT_NE(window, nullptr);
    const int answers = window->paper().AnswerSlots();
    Put(*window, 1, QStringLiteral("1"));
    m_asker.answers.push_back(true);
    window->ClosePaper();
    ASSERT_TRUE(orbisk::testing::EventuallyTrue([&] { return Open() == nullptr && m_refreshes > 0; }));
    const HomePage& page = *Home().homePage();
    EXPECT_EQ(page.firstScore(2)->text(), QStringLiteral("in progress"));
    EXPECT_EQ(page.firstScore(2)->accessibleDescription(),
              QStringLiteral("1 of %1 questions answered").arg(answers));
    EXPECT_EQ(page.secondScore(2)->text(), QString()) << "the second attempt is not begun";
    EXPECT_EQ(page.percentColumn()->rows().size(), 9) << "no \"%\" after \"in progress\"";
}

} // namespace
} // namespace orbisk::gui
