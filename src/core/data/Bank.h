#pragma once

#include <string>

/// Numbers of the question bank: papers, topics, question ids and the
/// resources that carry the configuration and each section's tables.
namespace orbisk::bank {

inline constexpr int kConfigurationId = 30000;
inline constexpr int kMaxSections = 3;
inline constexpr int kMaxTopics = 10;
inline constexpr int kPapersPerTopic = 5;
inline constexpr int kMaxPapers = 50;
inline constexpr int kMaxAnswersPerQuestion = 20;
inline constexpr int kMaxAnswersPerPaper = 80;

enum class Table { Papers = 2, Keys = 3, Kinds = 4, Weights = 5 };

/// Resource number of a section's table: 30000 + 10 * section + 2 (papers) to + 5 (weights).
inline int TableId(int section, Table table) {
    return 30000 + 10 * section + static_cast<int>(table);
}

/// The number of paper k (1..5) of topic t (1..10): 100 + 5 (t - 1) + k.
inline int PaperNumber(int topic, int k) {
    return 100 + kPapersPerTopic * (topic - 1) + k;
}

/// The topic (1..10) a paper number belongs to.
inline int TopicOfPaper(int paper) {
    return (paper - 101) / kPapersPerTopic + 1;
}

/// The five-digit id of question q (1..99) of a paper: 10000 + 5000 (s - 1) + 100 (slot - 1) + q,
/// so the first question of paper 101 in section 2 is 15001.
inline int QuestionId(int section, int paper, int q) {
    return 10000 + 5000 * (section - 1) + 100 * (paper - 101) + q;
}

} // namespace orbisk::bank
