#pragma once

namespace kl {

class AppContext;

// The data-entry window's "O K": checks the inputs, fills a fresh result window, closes the data-entry
// window and shows the result.
void AnalyseFitment(AppContext& context);

} // namespace kl
