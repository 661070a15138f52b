// The manual page's macros as the help window shows them.

#include <gtest/gtest.h>

#include <ostream>

#include "manual_text.h"

namespace {

struct Macro {
    const char *troff;
    const char *html;
};

void PrintTo(const Macro &m, std::ostream *os) { *os << m.troff; }

class ManualText : public testing::TestWithParam<Macro> {};

TEST_P(ManualText, BecomesItsHtml)
{
    EXPECT_EQ(recibo::entry::manualHtml(QString::fromUtf8(GetParam().troff)).toStdString(), GetParam().html);
}

INSTANTIATE_TEST_SUITE_P(
    Macros, ManualText,
    testing::Values(Macro{".SH OPCIONES", "<h2>OPCIONES</h2>"},
                    Macro{".B recibo-haberes", "<b>recibo-haberes</b> "},
                    Macro{".BR \\-h \", \" \\-\\-help", "<b>-h</b>, <b>--help</b> "},
                    Macro{".BI \\-\\-periodo \" ARCHIVO\"", "<b>--periodo</b><i> ARCHIVO</i> "},
                    Macro{".TP\n.B 0\nEl programa terminó <bien>.", "<p><b><b>0</b> </b><br>&nbsp;&nbsp;&nbsp;&nbsp;El programa terminó &lt;bien&gt;. "},
                    Macro{".PP\nTexto.\n.br", "<p>Texto. <br>"}));

}  // namespace
