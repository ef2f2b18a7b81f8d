#pragma once

#include "core/layout/Geometry.h"
#include "core/results/ResultsStore.h"

#include <QLabel>
#include <QWidget>
#include <functional>
#include <vector>

namespace orbisk::gui {

class CaptionLabel;
class HoverPoller;
class ImageButton;
class Notifier;
class SkinPictures;

/// The erase page (Body_Trash): offers to erase every past result, asks to be
/// sure on the page itself, then erases and says so. When some results files
/// could not be rewritten the learner is told which, and the page offers the
/// erase again instead of claiming it was done. With a paper open, the
/// question says that the paper will be closed first (its answers kept until
/// the erase).
class TrashPage final : public QWidget {
    Q_OBJECT
public:
    /// Closes any open paper (its answers stored), then rewrites every results
    /// file from its template; returns the files it could not.
    using EraseResults = std::function<results::ResetReport()>;
    /// The name of the paper open in a practice window, or empty.
    using OpenPaperName = std::function<QString()>;

    enum class Stage { Offer, Confirm, Done };

    /// Builds the page at @p at (twips of @p parent), in the Offer stage.
    TrashPage(SkinPictures& pictures, HoverPoller& poller, const layout::Rect& at, EraseResults erase,
              OpenPaperName openPaper, Notifier& notifier, QWidget* parent);

    Stage stage() const { return m_stage; }
    /// Back to the first stage, as every visit through the Trash button starts.
    void ShowOffer();

    void ButTrash_Click();
    void ButTrash_Yes_Click();
    void ButTrash_No_Click();

    QLabel* offerText() const { return m_offer; }
    QLabel* confirmText() const { return m_confirm; }
    QLabel* doneText() const { return m_done; }
    ImageButton* trashButton() const { return m_trash; }
    ImageButton* yesButton() const { return m_yes; }
    ImageButton* noButton() const { return m_no; }
    CaptionLabel* trashCaption() const { return m_trashCaption; }
    CaptionLabel* yesCaption() const { return m_yesCaption; }
    CaptionLabel* noCaption() const { return m_noCaption; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    ImageButton* makeButton(SkinPictures& pictures, HoverPoller& poller, const char* name,
                            const QString& caption, const QString& spoken, CaptionLabel*& label);
    QLabel* makeText(const char* name, const QString& text);
    void showStage(Stage stage);
    void tellWhatWasNotErased(const results::ResetReport& report);

    EraseResults m_erase;
    OpenPaperName m_openPaper;
    Notifier& m_notifier;
    Stage m_stage = Stage::Offer;
    QLabel* m_offer = nullptr;
    QLabel* m_confirm = nullptr;
    QLabel* m_done = nullptr;
    ImageButton* m_trash = nullptr;
    ImageButton* m_yes = nullptr;
    ImageButton* m_no = nullptr;
    CaptionLabel* m_trashCaption = nullptr;
    CaptionLabel* m_yesCaption = nullptr;
    CaptionLabel* m_noCaption = nullptr;
};

} // namespace orbisk::gui
