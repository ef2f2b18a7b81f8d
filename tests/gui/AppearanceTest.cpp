// How the windows look on the learner's screen: pictures at the screen's pixel
// ratio. ctest runs the SharpPictures suite a second time at a scale factor of
// 2 (QT_SCALE_FACTOR=2), where every picture must come from its twin.
#include "PracticeFixture.h"
#include "gui/chrome/ImageButton.h"
#include "gui/chrome/SkinnedFrame.h"
#include "gui/home/HomeToolbar.h"
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

} // namespace
} // namespace orbisk::gui
