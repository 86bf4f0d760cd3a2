#pragma once

namespace kl {

class AppContext;
class Form4;

// The result window's save command (mnuFileSave, Ctrl+S): asks for a file name and writes the 36 boxes of
// the result as a result file. Cancelling writes nothing. A save that cannot be made leaves any existing
// file as it was and tells the user why; the window itself never changes.
void SaveResultFile(AppContext& context, Form4& window);

} // namespace kl
