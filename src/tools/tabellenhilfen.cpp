#include "tools/tabellenhilfen.h"

#include "platform/datatable.h"
#include "platform/paths.h"
#include "platform/seams.h"
#include "platform/tablegridmodel.h"
#include "platform/tablenavigator.h"

#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QMetaObject>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace kolvar {

namespace {

// Runs its handler for the picks of one list; see beiAuswahl.
class Auswahl : public QObject {
public:
    Auswahl(QListWidget* list, std::function<void()> handler)
        : QObject(list), m_list(list), m_handler(std::move(handler))
    {
        connect(list, &QListWidget::itemClicked, this, [this] { run(); });
        connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
            // A mouse press moves the row before its click arrives; the click
            // or the release runs it.
            if (row >= 0 && QGuiApplication::mouseButtons() == Qt::NoButton)
                run();
        });
        list->viewport()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            m_gelaufen = -1;
            m_beimDruck = m_list->currentRow();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            // The list reports a click only when the press and the release
            // hit the same entry; after a drag the row it shows still counts.
            QMetaObject::invokeMethod(this, [this] {
                const int row = m_list->currentRow();
                if (row >= 0 && row != m_beimDruck && row != m_gelaufen)
                    run();
            }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void run()
    {
        m_gelaufen = m_list->currentRow();
        m_handler();
    }

    QListWidget* m_list;
    std::function<void()> m_handler;
    int m_gelaufen = -1; // the row the handler ran for since the last press
    int m_beimDruck = -1; // the current row when the mouse was pressed
};

} // namespace

void beiAuswahl(QListWidget* list, const std::function<void()>& handler)
{
    new Auswahl(list, handler);
}

QTableView* tabellengitter(QWidget* parent, const QString& name)
{
    auto* g = new QTableView(parent);
    g->setObjectName(name);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed);
    g->horizontalHeader()->setStretchLastSection(true);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->verticalHeader()->setMinimumWidth(18);
    return g;
}

Tabellenbereich tabellenbereich(QWidget* seite, TableGridModel& modell, const QString& gitter,
                                const QString& navigator)
{
    Tabellenbereich b;
    b.gitter = tabellengitter(seite, gitter);
    connectGrid(*b.gitter, modell);
    b.navigator = new TableNavigator(seite);
    b.navigator->setObjectName(navigator);
    b.navigator->setTable(modell.table());
    QObject::connect(b.navigator, &TableNavigator::refreshRequested, &modell, &TableGridModel::refresh);
    return b;
}

void bearbeitungsseite(QWidget* seite, const Tabellenbereich& master, const QList<QPushButton*>& masterKnoepfe,
                       const Tabellenbereich& tabelle, const QList<QPushButton*>& tabellenKnoepfe)
{
    auto leiste = [](const Tabellenbereich& b, const QList<QPushButton*>& knoepfe) {
        auto* l = new QHBoxLayout;
        l->addWidget(b.navigator, 1);
        l->addSpacing(12);
        for (QPushButton* k : knoepfe)
            l->addWidget(k);
        return l;
    };
    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(master.gitter, 1);
    spalte->addLayout(leiste(master, masterKnoepfe));
    spalte->addSpacing(8);
    spalte->addWidget(tabelle.gitter, 1);
    spalte->addLayout(leiste(tabelle, tabellenKnoepfe));
}

bool tabellenname_zulaessig(const QString& name)
{
    return !name.trimmed().isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char(':')) &&
           !name.contains(QStringLiteral(".."));
}

QString ungueltiger_tabellenname(const QString& name)
{
    return QStringLiteral("Der Dateiname \"%1\" ist nicht zulässig: er darf nicht leer sein und weder "
                          "\"/\", \"\\\", \":\" noch \"..\" enthalten.")
        .arg(name);
}

QString mit_cds(const QString& name)
{
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype trenner =
        std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    const QString stamm = punkt > trenner ? name.left(punkt) : name;
    return stamm + QStringLiteral(".cds");
}

QString master_neu_oeffnen(DataTable& master, const QString& datei)
{
    master.disableControls();
    QString fehler;
    if (!master.close())
        fehler = master.errorString();
    if (!master.isActive()) {
        master.setFileName(datei);
        if (!master.open())
            fehler = master.errorString();
    }
    master.enableControls();
    return fehler;
}

bool neue_tabelle_anlegen(DataTable& master, DataTable& tabelle, const QString& pfad,
                          const QList<FieldDef>& felder,
                          const QList<std::pair<QString, QString>>& masterzeile)
{
    if (!master.isActive()) {
        showMessage(master.errorString(), MessageIcon::Error);
        return false;
    }
    // Everything the master row needs is checked before any file is made,
    // so a refused value leaves neither a stray file nor a half row behind.
    for (const auto& [feld, wert] : masterzeile) {
        const int pos = master.fieldIndex(feld);
        QString normal, grund;
        if (pos < 0) {
            showMessage(QStringLiteral("Datei %1 enthält das Feld %2 nicht!").arg(master.fileName(), feld),
                        MessageIcon::Error);
            return false;
        }
        if (!normalizeFieldValue(master.fieldDefs()[pos], wert, normal, &grund)) {
            showMessage(QStringLiteral("%1: %2").arg(feld, grund), MessageIcon::Error);
            return false;
        }
    }

    master.disableControls();
    bool ok = tabelle.close();
    if (ok) {
        tabelle.setFileName(pfad);
        ok = tabelle.createDataSet(felder) && tabelle.saveToFile(pfad);
    }
    if (!ok) {
        master.enableControls();
        showMessage(tabelle.errorString(), MessageIcon::Error);
        return false;
    }
    ok = master.append();
    for (const auto& [feld, wert] : masterzeile)
        ok = ok && master.setValue(feld, wert);
    ok = ok && master.post() && master.saveToFile(master.fileName());
    if (!ok) {
        // The master stays as it was on disk and in memory, and so does the folder.
        const QString fehler = master.errorString();
        if (master.state() == DataTable::State::Insert)
            master.cancel();
        else if (master.value(masterzeile.front().first) == masterzeile.front().second)
            master.deleteRecord();
        tabelle.close();
        QFile::remove(pfad);
        master.enableControls();
        showMessage(fehler, MessageIcon::Error);
        return false;
    }
    master.enableControls();
    return true;
}

} // namespace kolvar
