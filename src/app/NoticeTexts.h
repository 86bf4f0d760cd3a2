#pragma once

#include <QString>

namespace kl {

// The maker's web address, as the notice dialogs show it.
QString makerWebAddress();

// The one sentence of the products notice that points to the help file and the web site.
QString informationNoticeText();

// The notice to shops: paragraphs separated by an empty line (CR LF), the last one pointing to the help
// file and the web site.
QString customizingNoticeText();

// The request to register as a user, in the same form.
QString userRegistrationNoticeText();

} // namespace kl
