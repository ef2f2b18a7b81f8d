#pragma once

#include "BankModel.h"

#include <cstddef>
#include <string>

namespace orbisk::bankc {

/// What a page shows besides its question.
struct PageContext {
    std::string productName;
    std::string topicName;
    int paperInTopic = 1;        ///< 1..5
    int questionNumber = 1;      ///< 1..Q within the paper
    std::string instruction;     ///< the question's own, else the paper's
    std::string productPicture;  ///< reference to the product picture, relative to the page
    std::string questionPicture; ///< reference to the question's picture ("cid:..."), or empty
};

/// The HTML of a question page: plain, script-free markup in a style the
/// program's question view renders well. Each option of an answer chosen by
/// option number (its number and its text) is a link "answer:K:N", K the
/// answer's place on the page and N the option, both from 1, that the question
/// view takes as a click on that option; it looks like the rest of the page.
std::string RenderPageHtml(const PageContext& page, const Question& question);

/// The options the page shows for the question's answer slot @p slot (from
/// 0): those of the question or of its item when the slot's answer is an
/// option number (kind Q), else 0. The bank's option count table holds it.
int OptionsShown(const Question& question, std::size_t slot);

} // namespace orbisk::bankc
