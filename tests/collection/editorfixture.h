#pragma once
// A program directory with a small formula table of five records (Alpha to
// Epsilon, numbered 0 to 4) and the test collection's quantity table, the
// data module opened on it.
#include "data/tdatadlg.h"
#include "platform/datatable.h"
#include "platform/seams.h"
#include "support/testpaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

struct EditorFixture : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    QString verzeichnis;
    std::unique_ptr<TDatadlg> daten;
    kolvar::DataTable* formeln = nullptr;
    kolvar::DataTable* groessen = nullptr;

    // INHALT, KOLVAR, M1..M9 ("" ends the quantities) per record.
    // nrTyp: the field type of the scratch number "nr".
    static QByteArray formeltabelle(const QByteArray& nrTyp = "i4")
    {
        const char* felder[][4] = {
            {"Alpha", "v=\\f(s;t)", "1 2 3", "Zeile 1&#13;&#10;Zeile 2"},
            {"Beta", "s=v\\mt", "2 1 3", ""},
            {"Gamma", "t=\\f(s;v)", "3", ""},
            {"Delta", "F=m\\mg", "", ""},
            {"Epsilon", "E=mc\\u(2)", "", ""},
        };
        QByteArray xml = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<DATAPACKET Version="2.0"><METADATA><FIELDS>
<FIELD attrname="INHALT" fieldtype="string" WIDTH="40"/><FIELD attrname="THEMA" fieldtype="string" WIDTH="40"/>
<FIELD attrname="GEBIET" fieldtype="string" WIDTH="40"/><FIELD attrname="KOLVAR" fieldtype="string" WIDTH="200"/>
<FIELD attrname="GRAFIK" fieldtype="string" WIDTH="40"/><FIELD attrname="RECHNUNG" fieldtype="string" WIDTH="200"/>
<FIELD attrname="BEISPIEL" fieldtype="bin.hex" SUBTYPE="Text"/><FIELD attrname="STUFE" fieldtype="i4"/>
)";
        for (int k = 1; k <= 9; ++k)
            xml += "<FIELD attrname=\"M" + QByteArray::number(k) + "\" fieldtype=\"string\" WIDTH=\"10\"/>";
        xml += R"(<FIELD attrname="myNr" fieldtype="i4"/><FIELD attrname="nr" fieldtype=")" + nrTyp + R"("/>
</FIELDS><PARAMS/></METADATA><ROWDATA>
)";
        for (int i = 0; i < 5; ++i) {
            xml += "<ROW INHALT=\"" + QByteArray(felder[i][0]) + "\" THEMA=\"Thema\" GEBIET=\"Gebiet\" KOLVAR=\""
                   + felder[i][1] + "\"";
            if (*felder[i][3])
                xml += QByteArray(" BEISPIEL=\"") + felder[i][3] + "\"";
            const QList<QByteArray> m = QByteArray(felder[i][2]).split(' ');
            for (int k = 0; k < m.size(); ++k)
                if (!m[k].isEmpty())
                    xml += " M" + QByteArray::number(k + 1) + "=\"" + m[k] + "\"";
            xml += " myNr=\"" + QByteArray::number(i) + "\" nr=\"" + QByteArray::number(i) + "\"/>\n";
        }
        return xml + "</ROWDATA></DATAPACKET>\n";
    }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        verzeichnis = dir.path() + QStringLiteral("/");
        QDir().mkpath(verzeichnis + QStringLiteral("daten"));
        ASSERT_TRUE(QFile::copy(testpaths::fixtures() + QStringLiteral("/formeln/daten/GROESSEN.cds"),
                                verzeichnis + QStringLiteral("daten/GROESSEN.cds")));
        schreiben(formeltabelle());
        daten = std::make_unique<TDatadlg>();
        Datadlg = daten.get();
        daten->initialisieren(verzeichnis);
        ASSERT_TRUE(seams.messages.empty()) << seams.messageTexts().join(u'|').toStdString();
        formeln = daten->table2;
        groessen = daten->table1;
        ASSERT_EQ(formeln->recordCount(), 5);
    }

    void schreiben(const QByteArray& paket)
    {
        QFile f(verzeichnis + QStringLiteral("daten/kolvar.cds"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(paket);
    }

    void TearDown() override
    {
        Datadlg = nullptr;
        daten.reset();
    }

    // The values of a field in table order.
    QStringList spalte(const QString& feld) const
    {
        QStringList werte;
        const int pos = formeln->fieldIndex(feld);
        for (int r = 0; r < formeln->recordCount(); ++r)
            werte << formeln->valueAt(r, pos);
        return werte;
    }

    QStringList namen() const { return spalte(QStringLiteral("INHALT")); }
    QStringList nummern() const { return spalte(QStringLiteral("myNr")); }
};
