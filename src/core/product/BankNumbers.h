#pragma once

/// How the question bank numbers its sections, topics, papers and questions.
///
/// A section has up to ten topics of five papers each. Papers are numbered
/// 101 to 100 + paper count; the paper slot is the paper number - 100 (1 to 50)
/// and indexes every per-paper value of the results files. Topic t owns the
/// slots 5 (t - 1) + 1 to 5 t, shown as its papers 1 to 5.
namespace orbisk::bank {

inline constexpr int kMaxSections = 3;
inline constexpr int kMaxTopics = 10;
inline constexpr int kPapersPerTopic = 5;
inline constexpr int kMaxPapers = 50;
inline constexpr int kFirstPaper = 101;
/// The answer sheet has 20 frames: a question has at most 20 answer slots.
inline constexpr int kMaxAnswersPerQuestion = 20;
/// The most answer slots one paper's records can hold.
inline constexpr int kMaxAnswersPerPaper = 80;
/// Question ids number the questions of a paper 1 to 99.
inline constexpr int kMaxQuestionsPerPaper = 99;

/// The slot of a paper number: 101 is slot 1.
constexpr int PaperSlot(int paper) {
    return paper - 100;
}

/// The paper number of a slot: slot 1 is paper 101.
constexpr int PaperOfSlot(int slot) {
    return 100 + slot;
}

/// The first slot of topic @p t: 1, 6, 11, ..., 46.
constexpr int FirstSlotOfTopic(int topic) {
    return kPapersPerTopic * (topic - 1) + 1;
}

/// The number of paper k (1..5) of topic t (1..10): 100 + 5 (t - 1) + k.
constexpr int PaperNumber(int topic, int k) {
    return PaperOfSlot(FirstSlotOfTopic(topic) + k - 1);
}

/// The topic (1..10) a paper number belongs to.
constexpr int TopicOfPaper(int paper) {
    return (PaperSlot(paper) - 1) / kPapersPerTopic + 1;
}

/// The paper's place within its topic (1..5): paper 113 is paper 3 of topic 3.
constexpr int PaperInTopic(int paper) {
    return (PaperSlot(paper) - 1) % kPapersPerTopic + 1;
}

/// The five-digit id of question q (1..99) of a paper: 10000 + 5000 (s - 1) + 100 (slot - 1) + q,
/// so the first question of paper 101 in section 2 is 15001. The id is also the
/// resource number of the question's page.
constexpr int QuestionId(int section, int paper, int q) {
    return 10000 + 5000 * (section - 1) + 100 * (PaperSlot(paper) - 1) + q;
}

} // namespace orbisk::bank
