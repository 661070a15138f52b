// After a message names a field, the focus waits in that field, on whichever window it stands.
#include <QMessageBox>

#include <functional>

#include "entry_fixture.h"

namespace {

class FailureFocusTest;

struct FocusCase {
    const char *rule;
    std::function<void(FailureFocusTest &)> fill;
    const char *field;  // the control the focus goes to
    bool inDialog;
};

void PrintTo(const FocusCase &c, std::ostream *os) { *os << c.rule; }

class FailureFocusTest : public EntryTest, public ::testing::WithParamInterface<FocusCase> {
public:
    // The steps a case takes, as a user does them.
    void press(const char *name) { click(name); }
    void enter(const char *name, const char *text) { type(name, QString::fromUtf8(text)); }
    void choose(const char *code) { chooseCode(QString::fromLatin1(code)); }
    void enterInDialog(const char *name, const char *text)
    {
        auto *box = dialogControl<QLineEdit>(name);
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(text));
    }
    void pressInDialog(const char *name) { clickInDialog(name); }
};

TEST_P(FailureFocusTest, GoesToTheNamedField)
{
    const FocusCase &c = GetParam();
    c.fill(*this);
    click("Command1");
    ASSERT_TRUE(record.shown.empty());
    QWidget *holder = c.inDialog ? static_cast<QWidget *>(dialog()) : window.get();
    ASSERT_NE(holder, nullptr);
    EXPECT_TRUE(holder->isVisible());
    auto *field = holder->findChild<QLineEdit *>(QString::fromLatin1(c.field));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(holder->focusWidget(), field);
    EXPECT_EQ(field->selectedText(), field->text()) << "typing replaces what was there";
    auto *message = window->findChild<QMessageBox *>(QStringLiteral("mensaje"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FailureFocusTest,
    ::testing::Values(
        FocusCase{"hours that are not a number",
                  [](FailureFocusTest &t) {
                      t.press("horasmedio");
                      t.enter("numerohorasmed", "doce");
                  },
                  "numerohorasmed", false},
        FocusCase{"days of absence with two marks",
                  [](FailureFocusTest &t) {
                      t.press("horassup");
                      t.press("inasist");
                      t.enter("dinasist", "1,5,2");
                  },
                  "dinasist", false},
        FocusCase{"too many children",
                  [](FailureFocusTest &t) {
                      t.press("horasmedio");
                      t.press("hijos");
                      t.enter("cantidadhijos", "300");
                  },
                  "cantidadhijos", false},
        FocusCase{"a point box of the dialog, after it was closed",
                  [](FailureFocusTest &t) {
                      t.choose("734");
                      t.enterInDialog("compbas", "x");
                      t.pressInDialog("Command1");
                  },
                  "compbas", true},
        FocusCase{"no position chosen yet: the code box", [](FailureFocusTest &t) { t.press("cargo"); }, "codcargo",
                  true}));

}  // namespace
