#pragma once
// The words of «Comparar con mi recibo»: each line's state and its sentence for a screen reader,
// amounts and differences as the window shows them, and the notes that say where the comparison stands.

#include <QString>

#include "money.h"
#include "slip.h"

namespace recibo::receipt {

// "$5", "$1234,56": how the sentences say an amount.
QString spokenAmount(Money amount, char separator);
// "+$ 5", "-$ 0,25": a difference with its sign, as its cell shows it.
QString differenceText(Money difference, char separator);

// "coincide", "no coincide", "sin explicación" (no change explains it), "no se lee", or nothing.
QString stateWord(const SlipLine &line, bool unexplained);

// «001, Asign. de la categoría, calculado $885, mi recibo $890, diferencia $5, no coincide»
QString lineSentence(const SlipLine &line, bool unexplained, char separator);

// What the line is called in a message: "001 Asign. de la categoría", "Liquido a pagar".
QString lineName(const SlipLine &line);

// «No se puede leer el importe de la línea 001 Asign. de la categoría: "12,34,56". ...»
QString unreadableMessage(const SlipLine &line);

// «Coinciden 12 de 14 líneas escritas.» and the like, above the lines.
QString summaryText(const SlipComparison &comparison);

}  // namespace recibo::receipt
