#pragma once
// A program directory with the small test collection (tests/fixtures/formeln)
// and its pictures, the data module opened on it, and one formula window.
#include "collection/texcausdlg.h"
#include "controls/ttxtshape.h"
#include "data/tdatadlg.h"
#include "platform/datatable.h"
#include "platform/jpeg.h"
#include "platform/seams.h"
#include "support/testpaths.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

struct FormelFixture : ::testing::Test {
    kolvar::ScriptedSeams seams;
    kolvar::SeamsGuard guard{seams};
    QTemporaryDir dir;
    QString verzeichnis;
    std::unique_ptr<TDatadlg> daten;
    QPointer<Texcausdlg> w;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        verzeichnis = dir.path() + QStringLiteral("/");
        QDir().mkpath(verzeichnis + QStringLiteral("daten"));
        QDir().mkpath(verzeichnis + QStringLiteral("Grafik"));
        const QDir quelle(testpaths::fixtures() + QStringLiteral("/formeln/daten"));
        for (const QString& f : quelle.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(quelle.filePath(f), verzeichnis + QStringLiteral("daten/") + f));

        // Pictures: a BMP placed by coordinates, a JPEG placed beside the
        // description, and one whose coordinates are not numbers.
        QImage bmp(40, 30, QImage::Format_RGB32);
        bmp.fill(Qt::red);
        ASSERT_TRUE(bmp.save(verzeichnis + QStringLiteral("Grafik/bahn.bmp"), "BMP"));
        ASSERT_TRUE(bmp.save(verzeichnis + QStringLiteral("Grafik/linse.bmp"), "BMP"));
        QImage jpg(64, 48, QImage::Format_RGB32);
        jpg.fill(Qt::blue);
        ASSERT_TRUE(kolvar::writeJpeg(jpg, verzeichnis + QStringLiteral("Grafik/foto.jpg")));

        daten = std::make_unique<TDatadlg>();
        Datadlg = daten.get();
        daten->initialisieren(verzeichnis);
        ASSERT_TRUE(seams.messages.empty()) << seams.messageTexts().join(QLatin1Char('|')).toStdString();
        w = neuesFenster();
    }

    Texcausdlg* neuesFenster()
    {
        auto* f = new Texcausdlg;
        f->verzeichnis = verzeichnis;
        return f;
    }

    void TearDown() override
    {
        delete w.data();
        Datadlg = nullptr;
        daten.reset();
    }

    // Selects a formula as a pick in the lists does.
    void waehle(const QString& gebiet, const QString& thema, const QString& inhalt)
    {
        w->gebiet = gebiet;
        w->thema = thema;
        w->inhalt = inhalt;
        w->baumauswahl();
    }

    static QStringList gezeigt(const QList<QLabel*>& labels)
    {
        QStringList texte;
        for (QLabel* l : labels)
            if (!l->isHidden())
                texte << l->text();
        return texte;
    }

    QString knotentext() const
    {
        QTreeWidgetItem* k = w->gewaehlterKnoten();
        return k ? k->text(0) : QString();
    }

    static QStringList eintraege(QComboBox* c)
    {
        QStringList texte;
        for (int i = 0; i < c->count(); ++i)
            texte << c->itemText(i);
        return texte;
    }

    // What the combo shows: its current item, or the preset name.
    static QString comboText(QComboBox* c)
    {
        return c->currentIndex() >= 0 ? c->currentText() : c->placeholderText();
    }
};
