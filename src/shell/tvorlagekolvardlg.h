#pragma once
// A form of the template projects that has no behaviour of its own: start-up
// creates it at its place in the order of the long-lived windows, and nothing
// ever shows it.
#include <QDialog>

class TVorlagekolvarDlg : public QDialog {
    Q_OBJECT
public:
    explicit TVorlagekolvarDlg(QWidget* parent = nullptr);
};

// The one instance, created at start-up.
extern TVorlagekolvarDlg* VorlagekolvarDlg;
