#pragma once
// A small modal dialog that asks for a few texts, one edit under each label,
// with "OK" and "Abbrechen"; it opens in the middle of the screen. The
// dialogs that ask for what a new table needs are made of it.
#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

class Eingabedialog : public QDialog {
    Q_OBJECT
public:
    // The controls are named Label1, Edit1, Label2, Edit2 ... by their
    // place, the buttons BitBtn1 (OK) and BitBtn2 (Abbrechen).
    Eingabedialog(const QString& name, const QString& titel, const QStringList& beschriftungen,
                  const QSize& groesse, QWidget* parent = nullptr);

    QList<QLabel*> labels;
    QList<QLineEdit*> edits;
    QPushButton* ok = nullptr;
    QPushButton* abbrechen = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_centred = false;
};
