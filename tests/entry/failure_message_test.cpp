// The messages that explain why "Calcular" gave no receipt.
#include <gtest/gtest.h>

#include <ostream>

#include "builtin_period.h"
#include "failure_message.h"

namespace {

using recibo::Failure;
using recibo::FailureKind;
using recibo::entry::failureMessage;

struct MessageCase {
    const char *rule;
    Failure failure;
    const char *expected;
};

void PrintTo(const MessageCase &c, std::ostream *os) { *os << c.rule; }

class FailureMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(FailureMessageTest, NamesTheFieldAndQuotesTheText)
{
    const MessageCase &c = GetParam();
    EXPECT_EQ(failureMessage(c.failure, recibo::builtInPeriod()).toStdString(), c.expected) << c.rule;
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FailureMessageTest,
    ::testing::Values(
        MessageCase{"a decimal field with two marks is not a number",
                    {FailureKind::Conversion, "dinasist", "1,5,2"},
                    "Cantidad de días de inasistencia: \"1,5,2\" no es un número."},
        MessageCase{"hours with letters are not a number",
                    {FailureKind::Conversion, "numerohorasmed", "doce"},
                    "Número de horas N. Medio: \"doce\" no es un número."},
        MessageCase{"a count says its range", {FailureKind::Conversion, "cantidadhijos", "300"},
                    "Cantidad de hijos: \"300\" no es un número entero de 0 a 255."},
        MessageCase{"kilometres say the 16-bit range", {FailureKind::Conversion, "cantkm", "40000"},
                    "Cantidad de km semanales: \"40000\" no es un número entero de -32768 a 32767."},
        MessageCase{"more than 81 disabled children", {FailureKind::Limit, "cantidadhijosdisc", "82"},
                    "Cantidad de hijos con discapacidad: \"82\" supera el máximo de 81 hijos diferenciados."},
        MessageCase{"a dialog box names the dialog", {FailureKind::Conversion, "compbas", "x"},
                    "Comp básico (Selección de cargo): \"x\" no es un número."},
        MessageCase{"a dialog's whole-number box says its range", {FailureKind::Conversion, "jorcom", "1e3"},
                    "Jorn. completa (Selección de cargo): \"1e3\" no es un número entero de -32768 a 32767."},
        MessageCase{"more than 255 children together", {FailureKind::Limit, "cantidadhijosdisc", "80"},
                    "Cantidad de hijos con discapacidad: \"80\": hijos e hijos diferenciados juntos no pueden ser más de 255."},
        MessageCase{"hours too large for any amount", {FailureKind::Limit, "numerohorasmed", "99999999999999999999"},
                    "Número de horas N. Medio: \"99999999999999999999\" es un número demasiado grande."},
        MessageCase{"no position says how to choose one", {FailureKind::NoPosition, "punbas", ""},
                    "Elija un cargo: escriba su código o elija su nombre en «Selección de cargo»."},
        MessageCase{"no category repeats the error dialog", {FailureKind::NoCategory, "", ""},
                    "seleccione cargo u horas de nivel medio o superior"}));

}  // namespace
