#pragma once
// The manual page, written once for man(1), shown in the program's help window too.

#include <QString>

namespace recibo::entry {

// The man page's source (the few man macros it uses) as HTML.
QString manualHtml(const QString &troff);

}  // namespace recibo::entry
