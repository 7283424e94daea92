#include "platform/seams.h"
#include "shell/tzahlenform.h"
#include "support/testpaths.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <clocale>
#include <string>

using kolvar::ScriptedSeams;
using kolvar::SeamsGuard;

namespace {

QStringList vorschau(const Tzahlenform& dlg)
{
    QStringList zeilen;
    for (int i = 0; i < dlg.Form->count(); ++i)
        zeilen << dlg.Form->item(i)->text();
    return zeilen;
}

struct PreviewCase {
    const char* muster;
    QStringList erwartet;
};

// Samples: 123,78676 23434,353453 1e-6 0,0000004 -34,56744 1000000 1,00000034
const PreviewCase previewCases[] = {
    {"0.00", {"123,79", "23434,35", "0,00", "0,00", "-34,57", "1000000,00", "1,00"}},
    {"0.00E-0", {"1,24E2", "2,34E4", "1,00E-6", "4,00E-7", "-3,46E1", "1,00E6", "1,00E0"}},
    {"0.000E-00", {"1,238E02", "2,343E04", "1,000E-06", "4,000E-07", "-3,457E01", "1,000E06", "1,000E00"}},
    {"##0.######", {"123,78676", "23434,353453", "0,000001", "0", "-34,56744", "1000000", "1"}},
    {"#,##0.00", {"123,79", "23.434,35", "0,00", "0,00", "-34,57", "1.000.000,00", "1,00"}},
    // The empty pattern is the general form.
    {"", {"123,78676", "23434,353453", "1E-6", "4E-7", "-34,56744", "1000000", "1,00000034"}},
};

void pruefeVorschau(Tzahlenform& dlg, const char* wo)
{
    for (const PreviewCase& c : previewCases) {
        dlg.FormatEdit->setText(QString::fromUtf8(c.muster));
        EXPECT_EQ(vorschau(dlg), c.erwartet) << wo << " pattern \"" << c.muster << '"';
    }
}

} // namespace

TEST(Tzahlenform, StartsWithItsDefaultsAndShowsTheSamples)
{
    Tzahlenform dlg;
    EXPECT_EQ(dlg.zahlenformat, QStringLiteral("0.00E-0"));
    EXPECT_EQ(dlg.winkelmodus, 1);
    EXPECT_EQ(dlg.winkelwahl, 1);
    EXPECT_EQ(dlg.FormatEdit->text(), QStringLiteral("0.00E-0"));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Zahlenformat"));
    EXPECT_EQ(dlg.FormatEditListe->count(), 12);
    EXPECT_EQ(dlg.Unform->count(), 7);
    EXPECT_EQ(vorschau(dlg).value(5), QStringLiteral("1,00E6"));
    // The angle choice is there but neither visible nor usable.
    EXPECT_TRUE(dlg.GroupBox1->isHidden());
    EXPECT_FALSE(dlg.GroupBox1->isEnabled());
    for (QRadioButton* r : {dlg.RadioButton1, dlg.RadioButton2, dlg.RadioButton3})
        EXPECT_FALSE(r->isEnabled());
    EXPECT_TRUE(dlg.RadioButton1->isChecked());
}

TEST(Tzahlenform, PreviewFollowsTheTypedPatternWhateverTheLocale)
{
    Tzahlenform dlg;
    pruefeVorschau(dlg, "C locale");

    const QByteArray lang = qgetenv("LANG");
    const QLocale vorher;
    qputenv("LANG", "en_US.UTF-8");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    pruefeVorschau(dlg, "English locale");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    pruefeVorschau(dlg, "German locale");
    QLocale::setDefault(vorher);
    qputenv("LANG", lang);
    // Nor does the C library's idea of the decimal separator count.
    const std::string cVorher = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"en_US.UTF-8", "de_DE.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name))
            pruefeVorschau(dlg, name);
    std::setlocale(LC_NUMERIC, cVorher.c_str());

    // Typing key by key rebuilds the preview on every change.
    dlg.FormatEdit->clear();
    QTest::keyClicks(dlg.FormatEdit, QStringLiteral("0.0"));
    EXPECT_EQ(vorschau(dlg).value(0), QStringLiteral("123,8"));
    // Picking a preset puts it into the edit line.
    dlg.FormatEditListe->setCurrentRow(1);
    emit dlg.FormatEditListe->itemClicked(dlg.FormatEditListe->item(1));
    EXPECT_EQ(dlg.FormatEdit->text(), QStringLiteral("0.00"));
    EXPECT_EQ(vorschau(dlg).value(0), QStringLiteral("123,79"));
}

TEST(Tzahlenform, AbsurdPatternsAlwaysShowEverySample)
{
    Tzahlenform dlg;
    const QStringList muster = {
        QStringLiteral("'"), QStringLiteral("\""), QStringLiteral("''"), QStringLiteral("\"abc\""),
        QStringLiteral("E+"), QStringLiteral("e-0000000"), QStringLiteral("#"), QStringLiteral(";;"),
        QStringLiteral(";"), QStringLiteral("0;"), QStringLiteral(";0"), QStringLiteral("%"),
        QStringLiteral("...."), QStringLiteral(",,,,"), QStringLiteral("0.00E-0;;"),
        QStringLiteral("0.00E+0000000000"), QString(200, QLatin1Char('0')) + QLatin1Char('.'),
        QStringLiteral("0.") + QString(200, QLatin1Char('0')),
        QStringLiteral("#.#E") + QString(50, QLatin1Char('-')), QStringLiteral("ÄÖÜ0.0äöü"),
        QString(3000, QLatin1Char('#')),
    };
    for (const QString& m : muster) {
        dlg.FormatEdit->setText(m);
        const QStringList zeilen = vorschau(dlg);
        ASSERT_EQ(zeilen.size(), 7) << m.left(40).toStdString();
        for (const QString& z : zeilen)
            EXPECT_FALSE(z.isEmpty()) << m.left(40).toStdString();
    }
}

TEST(Tzahlenform, ExchangesThePatternOnlyOnOk)
{
    ScriptedSeams s;
    SeamsGuard guard(s);
    Tzahlenform dlg;

    // OK: the typed text becomes the pattern; the hidden angle choice gives 1.
    dlg.zahlenformat = QStringLiteral("0.000");
    s.answerDialog(QDialog::Rejected, [&dlg](QDialog&) {
        EXPECT_EQ(dlg.FormatEdit->text(), QStringLiteral("0.000")); // shown from the field
        EXPECT_EQ(vorschau(dlg).value(0), QStringLiteral("123,787"));
        dlg.FormatEdit->setText(QStringLiteral("0.0"));
        dlg.BitBtn1->click();
    });
    EXPECT_EQ(kolvar::runDialog(dlg), QDialog::Accepted);
    EXPECT_EQ(dlg.zahlenformat, QStringLiteral("0.0"));
    EXPECT_EQ(dlg.winkelmodus, 1);

    // Cancel after typing keeps the pattern; the next showing shows it again.
    s.answerDialog(QDialog::Rejected, [&dlg](QDialog&) {
        dlg.FormatEdit->setText(QStringLiteral("0.000000"));
        dlg.BitBtn2->click();
    });
    s.answerDialog(QDialog::Rejected, [&dlg](QDialog&) {
        EXPECT_EQ(dlg.FormatEdit->text(), QStringLiteral("0.0"));
        EXPECT_EQ(vorschau(dlg).value(0), QStringLiteral("123,8"));
    });
    EXPECT_EQ(kolvar::runDialog(dlg), QDialog::Rejected);
    EXPECT_EQ(dlg.zahlenformat, QStringLiteral("0.0"));
    EXPECT_EQ(kolvar::runDialog(dlg), QDialog::Rejected);

    // An empty text is accepted as the pattern as it stands.
    s.answerDialog(QDialog::Rejected, [&dlg](QDialog&) {
        dlg.FormatEdit->clear();
        dlg.BitBtn1->click();
    });
    EXPECT_EQ(kolvar::runDialog(dlg), QDialog::Accepted);
    EXPECT_EQ(dlg.zahlenformat, QString());
    EXPECT_EQ(s.pendingAnswers(), 0u);
    EXPECT_TRUE(s.messages.empty());
}

TEST(Tzahlenform, ArrowKeysAndEnterInThePresetListTakeAPreset)
{
    ScriptedSeams s;
    SeamsGuard guard(s);
    Tzahlenform dlg;
    dlg.zahlenformat = QStringLiteral("0.00");
    s.answerDialog(QDialog::Rejected, [&dlg](QDialog&) {
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        dlg.FormatEdit->setFocus();
        QTest::keyClick(dlg.FormatEdit, Qt::Key_Tab);
        QListWidget* liste = dlg.FormatEditListe;
        ASSERT_TRUE(liste->hasFocus());
        const struct {
            Qt::Key taste;
            const char* muster;
            const char* erstesBeispiel;
        } schritte[] = {
            {Qt::Key_Down, "0.000", "123,787"},
            {Qt::Key_End, "##0.#########E-00", "1,2378676E02"},
            {Qt::Key_Up, "##0.######", "123,78676"},
        };
        for (const auto& schritt : schritte) {
            QTest::keyClick(liste, schritt.taste);
            EXPECT_EQ(dlg.FormatEdit->text(), schritt.muster);
            EXPECT_EQ(vorschau(dlg).value(0), schritt.erstesBeispiel);
        }
        QTest::keyClick(liste, Qt::Key_Return);
    });
    EXPECT_EQ(kolvar::runDialog(dlg), QDialog::Accepted);
    EXPECT_EQ(dlg.zahlenformat, QStringLiteral("##0.######"));
}

TEST(Tzahlenform, UnreadableSampleEndsThePreviewWithAMessage)
{
    ScriptedSeams s;
    SeamsGuard guard(s);
    Tzahlenform dlg;
    dlg.Unform->item(3)->setText(QStringLiteral("1.5"));
    dlg.FormatEdit->setText(QStringLiteral("0.00"));
    EXPECT_EQ(vorschau(dlg), (QStringList{"123,79", "23434,35", "0,00"}));
    EXPECT_EQ(s.messageTexts(), QStringList{QStringLiteral("'1.5' ist kein gültiger Gleitkommawert")});
}

TEST(Tzahlenform, HelpOpensTheHelpPageAndTheWindowLooksRight)
{
    ScriptedSeams s;
    SeamsGuard guard(s);
    Tzahlenform dlg;
    dlg.setVerzeichnis(QStringLiteral("/opt/kolvar/"));
    dlg.BitBtn3->click();
    EXPECT_EQ(s.documentsOpened,
              (QStringList{"/opt/kolvar/hilfe/index.htm", "/opt/kolvar/hilfe"}));

    dlg.zahlenformat = QStringLiteral("0.000E-00");
    dlg.show();
    EXPECT_EQ(dlg.FormatEdit->text(), QStringLiteral("0.000E-00"));
    const QString png = QDir(testpaths::buildDir()).filePath(QStringLiteral("tzahlenform.png"));
    EXPECT_TRUE(dlg.grab().save(png));
    // Every caption fits its control.
    for (QPushButton* b : {dlg.BitBtn1, dlg.BitBtn2, dlg.BitBtn3})
        EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
    EXPECT_GE(dlg.Form->width(), dlg.Form->sizeHintForColumn(0));
    dlg.hide();
}
