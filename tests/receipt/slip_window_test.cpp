// «Comparar con mi recibo» driven from the keyboard: F2 opens it beside the receipt, the slip's
// amounts are typed cell by cell, each line is heard as one sentence, the explanations are listed
// and handed over, an unreadable amount is marked on its line alone, and the typed slip outlives
// "Volver" and the next receipt.
#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <fstream>
#include <memory>
#include <variant>

#include "builtin_period.h"
#include "case_json.h"
#include "compute.h"
#include "slip_columns.h"
#include "window_fixture.h"
#include "working_text.h"

namespace recibo::receipt::testing {
namespace {

using Json = nlohmann::ordered_json;

// A golden case, maybe with some entries changed, computed with its working as "Calcular" does.
struct Computed {
    Snapshot entries;
    Receipt receipt;
    std::unique_ptr<ReceiptWorking> working = std::make_unique<ReceiptWorking>();

    explicit Computed(const char *file, const char *patch = "{}")
    {
        std::ifstream stream(std::string(RECIBO_CASES_DIR) + "/" + file);
        Json input = Json::parse(stream).at("input");
        input.update(Json::parse(patch));
        const cases::CaseInput in = cases::inputFromJson(input, builtInPeriod());
        entries = in.snapshot;
        const Outcome outcome = compute(entries, builtInPeriod(), in.decimalSeparator, *working);
        EXPECT_TRUE(std::holds_alternative<Receipt>(outcome)) << file;
        if (std::holds_alternative<Receipt>(outcome))
            receipt = std::get<Receipt>(outcome);
    }
    // Every row and total of this receipt typed as it shows them, but for `code`, typed as `text`.
    Slip slip(std::string_view code = {}, const std::string &text = {}) const
    {
        Slip typed;
        for (const SlipLine &line : compareSlip(receipt, {}, builtInPeriod()).lines)
            setTypedAmount(typed, line.code, line.occurrence,
                           line.code == code ? text : fourPlaces(*line.calculated));
        return typed;
    }
    // "531,5900": three places would read as a group of thousands.
    static std::string fourPlaces(Money amount)
    {
        const std::string digits = std::to_string(amount.count() + 10'000'000'000);  // leading zeros kept
        return std::to_string(amount.count() / 10'000) + "," + digits.substr(digits.size() - 4);
    }
};

class SlipWindowTest : public ReceiptWindowTest {
protected:
    void show(const Computed &computed)
    {
        window->setEntries(computed.entries, builtInPeriod());
        window->showReceipt(computed.receipt, *computed.working);
    }
    QWidget *comparison() const
    {
        const auto found = window->findChildren<QWidget *>(QStringLiteral("comparacion"));
        return found.size() == 1 ? found.front() : nullptr;
    }
    template <typename T>
    T *part(const char *name) const
    {
        return comparison() ? comparison()->findChild<T *>(QLatin1String(name)) : nullptr;
    }
    QTableWidget *lines() const { return part<QTableWidget>("lineas"); }
    QWidget *pressF2()
    {
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F2);
        QWidget *shown = comparison();
        EXPECT_NE(shown, nullptr);
        if (shown) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(shown));
            EXPECT_TRUE(QTest::qWaitFor([this] { return lines()->hasFocus(); }));
        }
        return shown;
    }
    int rowOf(const QString &code, int occurrence = 0) const
    {
        for (int row = 0; row < lines()->rowCount(); ++row)
            if (lines()->item(row, kCodeColumn)->text() == code && occurrence-- == 0)
                return row;
        ADD_FAILURE() << "no line " << code.toStdString();
        return 0;
    }
    QString cell(int row, int column) const { return lines()->item(row, column)->text(); }
    // What a screen reader is told a cell is.
    QString heard(int row, int column) const
    {
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(lines());
        QAccessibleInterface *cellInterface = table->tableInterface()->cellAt(row, column);
        return cellInterface ? cellInterface->text(QAccessible::Name) : QString();
    }
    // Moves to a cell with the arrow keys from the first one, types there and presses Enter.
    void typeAt(int row, int column, const QString &text)
    {
        lines()->setFocus();
        lines()->setCurrentCell(0, 0);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(lines(), Qt::Key_Down);
        for (int i = 0; i < column; ++i)
            QTest::keyClick(lines(), Qt::Key_Right);
        ASSERT_EQ(lines()->currentRow(), row);
        ASSERT_EQ(lines()->currentColumn(), column);
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        // The editor commits the amount in a posted event, which queues the lines' new layout in turn:
        // both delivered here, however long each takes (a waiting time ran out under the sanitizers).
        for (int round = 0; round < 2; ++round)
            QCoreApplication::sendPostedEvents();
    }
};

TEST_F(SlipWindowTest, F2OpensOneModelessWindowWithALinePerRowAndTotalThenANewOne)
{
    const Computed largest("largest_receipt_comma.json");
    show(largest);
    QWidget *shown = pressF2();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isWindow());
    EXPECT_FALSE(shown->isModal());
    EXPECT_EQ(shown->windowTitle(), QStringLiteral("Comparar con mi recibo"));
    ASSERT_EQ(lines()->rowCount(), static_cast<int>(largest.receipt.rowCount) + 3 + 1);
    const QStringList headings{"Código", "Descripción", "Calculado", "Mi recibo", "Diferencia", "Estado"};
    for (int column = 0; column < headings.size(); ++column)
        EXPECT_EQ(lines()->horizontalHeaderItem(column)->text(), headings[column]);
    EXPECT_EQ(cell(3, kCodeColumn), "052");
    EXPECT_EQ(cell(3, kDescriptionColumn), "Prol. de Jornada");
    EXPECT_EQ(cell(3, kCalculatedColumn), "$ 1,42");
    const int liquido = static_cast<int>(largest.receipt.rowCount) + 2;
    EXPECT_EQ(cell(liquido, kDescriptionColumn), "Liquido a pagar");
    EXPECT_EQ(cell(liquido, kCalculatedColumn), "$ 2724,4706");
    // The lines are ready for the keyboard, on the first amount to type.
    EXPECT_TRUE(lines()->hasFocus());
    EXPECT_EQ(lines()->currentColumn(), kSlipColumn);
    EXPECT_EQ(part<QLabel>("resumen")->text(),
              "Escriba en la columna «Mi recibo» los importes de su recibo; una línea vacía no se compara.");

    // The button opens the same window; Esc closes it.
    QTest::keyClick(lines(), Qt::Key_Escape);
    EXPECT_FALSE(shown->isVisible());
    QTest::mouseClick(find<QPushButton>(QStringLiteral("comparar")), Qt::LeftButton);
    EXPECT_EQ(comparison(), shown);
    EXPECT_TRUE(shown->isVisible());
}

TEST_F(SlipWindowTest, ALineTypedIsComparedAndHeardAsOneSentence)
{
    show(Computed("largest_receipt_comma.json"));
    pressF2();
    // Seniority at 120 % instead of 110 %: a change explains it.
    const int seniority = rowOf(QStringLiteral("010"));
    typeAt(seniority, kSlipColumn, QStringLiteral("$ 641,38"));
    EXPECT_EQ(cell(seniority, kSlipColumn), "$ 641,38");
    EXPECT_EQ(cell(seniority, kDifferenceColumn), "+$ 53,4465");
    EXPECT_EQ(cell(seniority, kStateColumn), "no coincide");
    const QString sentence = "010, Antigüedad, calculado $587,9335, mi recibo $641,38, diferencia $53,4465, no coincide";
    for (int column = 0; column < kSlipColumnCount; ++column)
        EXPECT_EQ(heard(seniority, column), sentence) << column;
    EXPECT_EQ(part<QLabel>("resumen")->text(), "Coinciden 0 de 1 líneas escritas.");

    // No change explains this one, and the line says so.
    typeAt(0, kSlipColumn, QStringLiteral("$ 540,00"));
    EXPECT_EQ(cell(0, kDifferenceColumn), "+$ 8,41");
    EXPECT_EQ(cell(0, kStateColumn), "sin explicación");
    EXPECT_EQ(heard(0, kSlipColumn), "001, Asign. de la categoría, calculado $531,59, mi recibo $540, diferencia $8,41, "
                                     "no coincide, ningún cambio de los datos lo explica");

    typeAt(1, kSlipColumn, QStringLiteral("0,59"));
    EXPECT_EQ(cell(1, kStateColumn), "coincide");
    EXPECT_EQ(cell(1, kDifferenceColumn), "");
    EXPECT_EQ(heard(1, kCodeColumn), "002, Comp. de Básico, calculado $0,59, mi recibo $0,59, coincide");
    EXPECT_EQ(heard(2, kCodeColumn), "052, Jornada completa, calculado $1,42, mi recibo vacío");
    EXPECT_EQ(part<QLabel>("resumen")->text(), "Coinciden 1 de 3 líneas escritas.");
    EXPECT_EQ(window->slip().rows.size(), 3u);
    EXPECT_EQ(typedAmount(window->slip(), "001", 0), "$ 540,00");
}

TEST_F(SlipWindowTest, TheBestExplanationComesFirstAndUsarEstosDatosHandsItsEntriesOver)
{
    const Computed entries("largest_receipt_comma.json");
    const Computed paid("largest_receipt_comma.json", R"({"bracket": 9})");
    std::optional<Snapshot> handed;
    window->setUseEntriesHandler([&handed](const Snapshot &s) { handed = s; });
    window->setSlip(paid.slip());
    show(entries);
    pressF2();
    auto *explanations = part<QListWidget>("explicaciones");
    ASSERT_TRUE(explanations->isVisible());
    ASSERT_GE(explanations->count(), 1);
    EXPECT_TRUE(explanations->item(0)->text().startsWith(
        "Antigüedad \"Entre 17 y 20 años\" en lugar de \"Entre 22 y 24 años\": coinciden todas las líneas escritas"))
        << explanations->item(0)->text().toStdString();
    EXPECT_FALSE(part<QWidget>("sinExplicacion")->isVisible());

    // Tab leaves the lines for the explanations, the first one chosen, then for the button.
    QTest::keyClick(lines(), Qt::Key_Tab);
    EXPECT_TRUE(explanations->hasFocus());
    EXPECT_EQ(explanations->currentRow(), 0);
    QTest::keyClick(explanations, Qt::Key_Tab);
    auto *use = part<QPushButton>("usarDatos");
    EXPECT_TRUE(use->hasFocus());
    QTest::keyClick(use, Qt::Key_Space);
    ASSERT_TRUE(handed);
    EXPECT_EQ(handed->seniorityOption, 9);
    EXPECT_EQ(handed->porcantig, "80 %");
    EXPECT_EQ(handed->zona, entries.entries.zona);
}

TEST_F(SlipWindowTest, AnUnreadableAmountIsMarkedOnItsLineAndNothingElseChanges)
{
    const Computed entries("largest_receipt_comma.json");
    window->setSlip(Computed("largest_receipt_comma.json", R"({"bracket": 9})").slip("010", ""));
    show(entries);
    pressF2();
    auto *explanations = part<QListWidget>("explicaciones");
    const QString summary = part<QLabel>("resumen")->text();
    const int explained = explanations->count();
    ASSERT_GT(explained, 0);
    const QString first = explanations->item(0)->text();
    const QString total = cell(rowOf(QString()), kStateColumn);

    const int seniority = rowOf(QStringLiteral("010"));
    typeAt(seniority, kSlipColumn, QStringLiteral("12,34,56"));
    EXPECT_EQ(cell(seniority, kStateColumn), "no se lee");
    auto *aviso = part<QLabel>("aviso");
    EXPECT_TRUE(aviso->isVisible());
    EXPECT_TRUE(aviso->text().startsWith("No se puede leer el importe de la línea 010 Antigüedad: \"12,34,56\"."))
        << aviso->text().toStdString();
    QAccessibleInterface *alert = QAccessible::queryAccessibleInterface(aviso);
    EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
    EXPECT_EQ(alert->text(QAccessible::Description), aviso->text());
    EXPECT_TRUE(heard(seniority, kCodeColumn).endsWith("mi recibo \"12,34,56\", no se puede leer"));
    EXPECT_EQ(part<QLabel>("resumen")->text(), summary);
    EXPECT_EQ(explanations->count(), explained);
    EXPECT_EQ(explanations->item(0)->text(), first);
    EXPECT_EQ(cell(rowOf(QString()), kStateColumn), total);
    // Kept as typed, so the teacher finds it to mend.
    EXPECT_EQ(typedAmount(window->slip(), "010", 0), "12,34,56");

    typeAt(seniority, kSlipColumn, QStringLiteral("1.039,78"));
    EXPECT_FALSE(aviso->isVisible());
    EXPECT_NE(cell(seniority, kStateColumn), "no se lee");
}

TEST_F(SlipWindowTest, ALineNothingExplainsSaysSoWithTheWorkingOfItsAmount)
{
    const Computed largest("largest_receipt_comma.json");
    window->setSlip(largest.slip("188", "$ 111,50"));
    show(largest);
    pressF2();
    const int productivity = rowOf(QStringLiteral("188"));
    EXPECT_EQ(cell(productivity, kStateColumn), "sin explicación");
    EXPECT_EQ(cell(productivity, kDifferenceColumn), "+$ 2,9995");
    EXPECT_TRUE(heard(productivity, kStateColumn).endsWith("no coincide, ningún cambio de los datos lo explica"));
    EXPECT_FALSE(part<QListWidget>("explicaciones")->isVisible());
    EXPECT_EQ(part<QLabel>("explicacionesNota")->text(), "Ningún cambio de uno o dos datos hace coincidir más líneas.");
    auto *unexplained = part<QPlainTextEdit>("sinExplicacion");
    ASSERT_TRUE(unexplained->isVisible());
    const std::size_t slot = 11;
    ASSERT_EQ(largest.receipt.rows[slot].code, "188");
    const QString working = QString::fromStdString(explain(largest.working->rows[slot], ',').text);
    EXPECT_EQ(unexplained->toPlainText(), "188 Plus Productividad: mi recibo $111,5, calculado $108,5005, "
                                          "diferencia $2,9995.\n    Cómo se calculó: " + working);
}

TEST_F(SlipWindowTest, ACodeTheReceiptLacksIsTypedOnTheLastLine)
{
    show(Computed("hours_medio_12.json"));
    pressF2();
    const int last = lines()->rowCount() - 1;
    typeAt(last, kCodeColumn, QStringLiteral("1010"));
    EXPECT_EQ(cell(last, kDescriptionColumn), "Sal fam Cony");
    typeAt(last, kSlipColumn, QStringLiteral("15"));
    ASSERT_EQ(lines()->rowCount(), last + 2);
    EXPECT_EQ(cell(last, kCodeColumn), "1010");
    EXPECT_EQ(cell(last, kCalculatedColumn), "no está");
    EXPECT_EQ(cell(last, kDifferenceColumn), "+$ 15");
    EXPECT_EQ(heard(last, kSlipColumn),
              "1010, Sal fam Cony, no está en el recibo calculado, mi recibo $15, diferencia $15, no coincide");
    EXPECT_EQ(cell(last + 1, kCodeColumn), "");
    // Ticking "Conyuge" explains it.
    EXPECT_TRUE(part<QListWidget>("explicaciones")->item(0)->text().startsWith("Conyuge marcado en lugar de sin marcar"));
}

TEST_F(SlipWindowTest, TheTypedSlipOutlivesVolverAndTheNextReceipt)
{
    show(Computed("largest_receipt_comma.json"));
    pressF2();
    typeAt(rowOf(QStringLiteral("052"), 1), kSlipColumn, QStringLiteral("1,42"));
    typeAt(0, kSlipColumn, QStringLiteral("531,59"));
    const Slip typed = window->slip();

    QTest::mouseClick(find<QPushButton>(QStringLiteral("Volver")), Qt::LeftButton);
    show(Computed("hours_medio_12.json"));
    EXPECT_EQ(window->slip(), typed);
    // The hours receipt has no 052 row: the typed line stays, compared with nothing paid.
    const int kept = rowOf(QStringLiteral("052"));
    EXPECT_EQ(cell(kept, kSlipColumn), "1,42");
    EXPECT_EQ(cell(kept, kCalculatedColumn), "no está");
    EXPECT_EQ(cell(0, kSlipColumn), "531,59");
    EXPECT_EQ(cell(0, kDescriptionColumn), "Hs. N. Medio");
}

TEST_F(SlipWindowTest, ASlipSetFromOutsideIsComparedAtOnce)
{
    const Computed largest("largest_receipt_comma.json");
    show(largest);
    pressF2();
    window->setSlip(largest.slip());
    EXPECT_EQ(part<QLabel>("resumen")->text(),
              QStringLiteral("Coinciden todas las líneas escritas (%1 de %1).").arg(largest.receipt.rowCount + 3));
    EXPECT_EQ(part<QLabel>("explicacionesNota")->text(), "Nada que explicar: todas las líneas escritas coinciden.");
}

TEST_F(SlipWindowTest, TabVisitsTheLinesTheExplanationsTheButtonAndWhatNothingExplainsEachNamedOnce)
{
    // Paid with another bracket, and a productivity amount no change gives.
    const Computed paid("largest_receipt_comma.json", R"({"bracket": 9})");
    const Money productivity = *receiptAmount(paid.receipt, "188", 0) + Money::whole(3);
    window->setSlip(paid.slip("188", Computed::fourPlaces(productivity)));
    window->setUseEntriesHandler([](const Snapshot &) {});
    show(Computed("largest_receipt_comma.json"));
    QWidget *shown = pressF2();
    ASSERT_NE(shown, nullptr);
    QStringList visited;
    QSet<QString> names;
    QWidget *at = lines();
    do {
        visited << at->objectName();
        const QString name = QAccessible::queryAccessibleInterface(at)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << at->objectName().toStdString();
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
        QTest::keyClick(at, Qt::Key_Tab);
        at = QApplication::focusWidget();
    } while (at && at != lines() && visited.size() < 10);
    EXPECT_EQ(visited, QStringList({"lineas", "explicaciones", "usarDatos", "sinExplicacion"}));
    EXPECT_EQ(cell(rowOf(QStringLiteral("188")), kStateColumn), "sin explicación");
}

}  // namespace
}  // namespace recibo::receipt::testing
