#pragma once

#include "BankModel.h"

#include <vector>

namespace orbisk::bankc {

/// Everything wrong with the bank that the program could not show or mark
/// correctly, and the content rules that keep the bank sound at scale.
std::vector<Problem> CheckBank(const Product& product);

} // namespace orbisk::bankc
