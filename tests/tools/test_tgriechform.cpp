// The Greek-letter table: its letters and names in the table's order, the
// letters drawn from the Symbol codes through the formula display's map.
#include "tools/tgriechform.h"

#include "platform/symbolfont.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(Griechform, LettersAndNamesStandSideBySideInTheTablesOrder)
{
    Tgriechform g;
    const QStringList namen[3] = {
        {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta", "Eta", "Theta"},
        {"Jota", "Kappa", "Lambda", "My", "Ny", "Xi", "Omikron", "Pi"},
        {"Rho", "Sigma", "Tau", "Ypsilon", "Phi", "Chi", "Psi", "Omega", ""},
    };
    const char* const tasten[3] = {"abgdezhq", "iklmnxop", "rstufcyw"};
    QPlainTextEdit* const memos[3][2] = {{g.Memo1, g.Memo2}, {g.Memo3, g.Memo4}, {g.Memo5, g.Memo6}};
    for (int paar = 0; paar < 3; ++paar) {
        EXPECT_EQ(memos[paar][1]->toPlainText().split('\n'), namen[paar]) << paar;
        const QStringList zeilen = memos[paar][0]->toPlainText().split('\n');
        ASSERT_EQ(zeilen.size(), 8) << paar;
        for (int i = 0; i < 8; ++i) {
            const QChar taste = QLatin1Char(tasten[paar][i]);
            EXPECT_EQ(zeilen[i], QString(kolvar::symbolCodeToUnicode(taste.toLatin1())) + "  "
                                     + QChar(kolvar::symbolCodeToUnicode(taste.toUpper().toLatin1())));
        }
        EXPECT_TRUE(memos[paar][0]->isReadOnly() && memos[paar][1]->isReadOnly());
    }
    // The map gives the letters the names say.
    EXPECT_EQ(g.Memo1->toPlainText().split('\n')[0], QStringLiteral("α  Α"));
    EXPECT_EQ(g.Memo3->toPlainText().split('\n')[5], QStringLiteral("ξ  Ξ"));
    EXPECT_EQ(g.Memo5->toPlainText().split('\n')[4], QStringLiteral("φ  Φ"));
    EXPECT_EQ(g.Memo5->toPlainText().split('\n')[7], QStringLiteral("ω  Ω"));
}

TEST(Griechform, FixedDialogClosedByOk)
{
    Tgriechform g;
    EXPECT_EQ(g.windowTitle(), QStringLiteral("Griechisches Alphabet"));
    EXPECT_EQ(g.size(), QSize(593, 323));
    EXPECT_EQ(g.minimumSize(), g.maximumSize());
    g.show();
    QTest::mouseClick(g.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(g.isVisible());
    EXPECT_EQ(g.result(), QDialog::Accepted);
}
