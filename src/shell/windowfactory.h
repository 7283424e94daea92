#pragma once
// How the shell opens the run-time windows (formula windows, calculation
// windows, spreadsheets, the fractal window) without knowing their classes:
// those live in libraries above the shell, so the composition root registers
// a factory with the main window at start-up. The main window, the project
// file and the formula window's exports all create their windows through it.
#include <QString>

#include <functional>
#include <map>
#include <optional>

class QWidget;

namespace kolvar {

class Tabellenblatt;

// The kinds of run-time window. The numbers of the first three are the
// window kinds ("Art") of the project file and must not change; the fractal
// window is never written into a project, so its number is free.
enum class Fensterart : int {
    Kolvarfenster = 0,        // formula window
    Rechnenfenster = 5,       // calculation window
    Tabellenkalkulation = 20, // spreadsheet
    Fraktale = 100,           // fractal window
};

// What another window may do with a calculation window it opened: the
// formula window writes the transcript of a calculation into one. The
// calculation window implements it; the factory hands it out for a window of
// the kind Rechnenfenster (WindowFactory::protokollfenster).
class Protokollfenster {
public:
    // The window itself, to show it and to notice its end.
    virtual QWidget* fenster() = 0;
    // Direct mode, so that the lines are read as the engine took them.
    virtual void direktmodus_setzen() = 0;
    // Appends a line at the end of the text.
    virtual void zeile_anhaengen(const QString& zeile) = 0;

protected:
    ~Protokollfenster() = default;
};

// What a window opened by a command of the main window takes over from it.
// A window the project file restores takes nothing: it keeps the defaults of
// its own creation and whatever its file holds.
struct Fenstervorgaben {
    QString zahlenformat; // the default number format of new windows
    int winkelmodus = 1;  // angle mode for calculation windows: 1 rad, 2 deg, 3 grad
};

class WindowFactory {
public:
    virtual ~WindowFactory() = default;

    // True when this build has windows of the kind; the main window disables
    // the commands of the kinds it has not.
    virtual bool kann(Fensterart art) const = 0;

    // Creates a new, still hidden top-level window of the kind, without a Qt
    // parent (a parent would keep it above the main window), with
    // Qt::WA_DeleteOnClose when it frees itself on close. With vorgaben the
    // window takes them over (a new calculation window also gets an empty
    // file name); without, it keeps its own defaults. Returns nullptr when
    // the kind is not available.
    virtual QWidget* erzeugen(Fensterart art, const std::optional<Fenstervorgaben>& vorgaben) = 0;

    // The calculation-window operations of a window this factory made as a
    // Rechnenfenster; nullptr for any other window, and when the kind's
    // library offers none.
    virtual Protokollfenster* protokollfenster(QWidget* fenster) const = 0;

    // The spreadsheet operations (shell/tabellenblatt.h) of a window this
    // factory made as a Tabellenkalkulation; nullptr for any other window,
    // and when the kind's library offers none.
    virtual Tabellenblatt* tabellenblatt(QWidget* fenster) const
    {
        (void)fenster;
        return nullptr;
    }
};

// The factory the program runs with: each library that builds a kind of
// window registers how to create it; kinds nobody registered are not
// available.
class FensterRegister : public WindowFactory {
public:
    using Erzeuger = std::function<QWidget*(const std::optional<Fenstervorgaben>& vorgaben)>;
    using Protokollzugang = std::function<Protokollfenster*(QWidget* fenster)>;
    using Tabellenzugang = std::function<Tabellenblatt*(QWidget* fenster)>;

    // Registers (or replaces) how windows of the kind are made.
    void eintragen(Fensterart art, Erzeuger erzeuger);
    // Registers how a calculation window is reached as a Protokollfenster
    // (the calculation window's library, beside its Erzeuger).
    void protokollzugang_eintragen(Protokollzugang zugang) { m_protokollzugang = std::move(zugang); }
    // Registers how a spreadsheet is reached as a Tabellenblatt.
    void tabellenzugang_eintragen(Tabellenzugang zugang) { m_tabellenzugang = std::move(zugang); }

    bool kann(Fensterart art) const override;
    QWidget* erzeugen(Fensterart art, const std::optional<Fenstervorgaben>& vorgaben) override;
    Protokollfenster* protokollfenster(QWidget* fenster) const override;
    Tabellenblatt* tabellenblatt(QWidget* fenster) const override;

private:
    std::map<Fensterart, Erzeuger> m_erzeuger;
    Protokollzugang m_protokollzugang;
    Tabellenzugang m_tabellenzugang;
};

} // namespace kolvar
