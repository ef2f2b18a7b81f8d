#pragma once

#include "BankModel.h"

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
/// program's question view renders well.
std::string RenderPageHtml(const PageContext& page, const Question& question);

} // namespace orbisk::bankc
