#pragma once

#include "analysis/FitmentAnalysis.h"

namespace kl {

class AppContext;
class Form2;

// Reads every field of the data-entry window once.
InputRecord readInputRecord(const Form2& input);

// The data-entry window's "O K": checks the inputs, fills a fresh result window, closes the data-entry
// window and shows the result.
void AnalyseFitment(AppContext& context);

} // namespace kl
