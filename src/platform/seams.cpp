#include "platform/seams.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>
#include <QVBoxLayout>

#include <chrono>

namespace kolvar {

namespace {

struct FilterEntry {
    QString name;
    QStringList patterns; // as written, "*.*" already turned into "*"
};

std::vector<FilterEntry> parseFilter(const QString& systemFilter)
{
    std::vector<FilterEntry> entries;
    const QStringList pieces = systemFilter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < pieces.size(); i += 2) {
        const QString name = pieces[i].trimmed();
        const QString patternText = i + 1 < pieces.size() ? pieces[i + 1] : QString();
        if (name.isEmpty() && patternText.trimmed().isEmpty())
            continue;
        FilterEntry entry;
        entry.name = name;
        for (const QString& raw : patternText.split(QLatin1Char(';'))) {
            QString p = raw.trimmed();
            if (p.isEmpty())
                continue;
            // On the system these filters come from, "*.*" also lists files
            // without any extension.
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
            entry.patterns << p;
        }
        if (entry.patterns.isEmpty())
            entry.patterns << QStringLiteral("*");
        if (entry.name.isEmpty())
            entry.name = entry.patterns.join(QLatin1Char(' '));
        entries.push_back(entry);
    }
    return entries;
}

QString caseFoldedPattern(const QString& pattern)
{
    QString out;
    for (const QChar c : pattern) {
        const QChar lo = c.toLower(), up = c.toUpper();
        if (lo != up) {
            out += QLatin1Char('[');
            out += lo;
            out += up;
            out += QLatin1Char(']');
        } else {
            out += c;
        }
    }
    return out;
}

QString captionOrTitle(const QString& caption)
{
    if (!caption.isEmpty())
        return caption;
    const QString title = QGuiApplication::applicationDisplayName();
    return title.isEmpty() ? QStringLiteral("Kolvar") : title;
}

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString withDefaultExtension(const QString& path, const QString& extension)
{
    if (path.isEmpty() || extension.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + extension;
}

UiSeams* g_installed = nullptr;

QtSeams& qtSeams()
{
    static QtSeams instance;
    return instance;
}

// On the offscreen platform (tests, benchmarks) no one can see a window, so
// a modal loop would wait forever: every request is answered the way a
// cancel would be, and written to stderr so that a forgotten seam shows.
bool nobodyToAsk(const char* what, const QString& text)
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        return false;
    qWarning("kolvar: %s on the offscreen platform answered with cancel: %s", what, qPrintable(text));
    return true;
}

bool startPrinter(QPrinter& printer, bool withDialog, QWidget* parent)
{
    if (nobodyToAsk("printing", QString()))
        return false;
    if (!withDialog)
        return true;
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void reportPrintFailure()
{
    showMessage(QStringLiteral("Der Drucker ist nicht bereit. Es wurde nichts gedruckt."),
                MessageIcon::Error);
}

} // namespace

QStringList qtNameFilters(const QString& systemFilter)
{
    QStringList filters;
    for (const FilterEntry& entry : parseFilter(systemFilter)) {
        QStringList folded;
        for (const QString& p : entry.patterns)
            folded << caseFoldedPattern(p);
        filters << entry.name + QStringLiteral(" (") + folded.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    if (filters.isEmpty())
        filters << QStringLiteral("(*)");
    return filters;
}

bool matchesFilter(const QString& systemFilter, const QString& fileName, int entry)
{
    const std::vector<FilterEntry> entries = parseFilter(systemFilter);
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        if (entry >= 0 && i != entry)
            continue;
        for (const QString& p : entries[static_cast<std::size_t>(i)].patterns) {
            const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(p),
                                        QRegularExpression::CaseInsensitiveOption);
            if (re.match(fileName).hasMatch())
                return true;
        }
    }
    return false;
}

UiSeams& seams()
{
    return g_installed ? *g_installed : qtSeams();
}

UiSeams* setSeams(UiSeams* s)
{
    UiSeams* previous = g_installed;
    g_installed = s;
    return previous;
}

void showMessage(const QString& text) { seams().message(text, MessageIcon::None, QString()); }
void showMessage(const QString& text, MessageIcon icon, const QString& caption)
{
    seams().message(text, icon, caption);
}
bool askYesNo(const QString& text) { return seams().question(text, MessageIcon::Question, QString()); }
bool askYesNo(const QString& text, MessageIcon icon, const QString& caption)
{
    return seams().question(text, icon, caption);
}
void beep() { seams().beep(); }
QString getOpenFileName(QWidget* parent, const FileDialogRequest& request)
{
    return seams().openFileName(parent, request);
}
QString getSaveFileName(QWidget* parent, const FileDialogRequest& request)
{
    return seams().saveFileName(parent, request);
}
QString getFolderName(QWidget* parent, const QString& caption, const QString& start)
{
    return seams().folderName(parent, caption, start);
}
bool chooseFont(QWidget* parent, QFont& font) { return seams().chooseFont(parent, font, nullptr); }
bool chooseFont(QWidget* parent, QFont& font, QColor& colour)
{
    return seams().chooseFont(parent, font, &colour);
}
int runDialog(QDialog& dialog) { return seams().runDialog(dialog); }
bool openDocument(const QString& target, const QString& workingDirectory)
{
    return seams().openDocument(target, workingDirectory);
}
bool printWidget(QWidget& widget, bool withDialog) { return seams().printWidget(widget, withDialog); }
bool printPixmap(const QPixmap& pixmap, bool withDialog, QWidget* parent)
{
    return seams().printPixmap(pixmap, withDialog, parent);
}
bool printLines(const QStringList& lines, const QFont& font, bool withDialog, QWidget* parent)
{
    return seams().printLines(lines, font, withDialog, parent);
}
void randomize() { seams().randomize(); }
int random(int below) { return seams().random(below); }
std::int64_t tickCount() { return seams().tickCount(); }

// ---- Qt --------------------------------------------------------------------

void QtSeams::message(const QString& text, MessageIcon icon, const QString& caption)
{
    if (nobodyToAsk("message", text))
        return;
    QMessageBox box(qtIcon(icon), captionOrTitle(caption), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool QtSeams::question(const QString& text, MessageIcon icon, const QString& caption)
{
    if (nobodyToAsk("question", text))
        return false;
    QMessageBox box(qtIcon(icon), captionOrTitle(caption), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void QtSeams::beep() { QApplication::beep(); }

namespace {
// Qt's own dialog: the desktop's native one may not understand the [xX]
// classes that make the filters case-insensitive.
QString runFileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    if (nobodyToAsk("file dialog", request.caption))
        return QString();
    QFileDialog dialog(parent, request.caption, request.directory);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(qtNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}
} // namespace

QString QtSeams::openFileName(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString QtSeams::saveFileName(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString QtSeams::folderName(QWidget* parent, const QString& caption, const QString& start)
{
    if (nobodyToAsk("folder dialog", caption))
        return QString();
    return QFileDialog::getExistingDirectory(parent, caption, start,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

namespace {

// The colours a font dialog offers for text, named as the person knows them.
const std::pair<const char*, QColor> kTextColours[] = {
    {"Schwarz", QColor(0, 0, 0)},         {"Kastanienbraun", QColor(128, 0, 0)},
    {"Grün", QColor(0, 128, 0)},          {"Oliv", QColor(128, 128, 0)},
    {"Marineblau", QColor(0, 0, 128)},    {"Violett", QColor(128, 0, 128)},
    {"Blaugrün", QColor(0, 128, 128)},    {"Grau", QColor(128, 128, 128)},
    {"Silber", QColor(192, 192, 192)},    {"Rot", QColor(255, 0, 0)},
    {"Hellgrün", QColor(0, 255, 0)},      {"Gelb", QColor(255, 255, 0)},
    {"Blau", QColor(0, 0, 255)},          {"Fuchsie", QColor(255, 0, 255)},
    {"Aqua", QColor(0, 255, 255)},        {"Weiß", QColor(255, 255, 255)},
};

QIcon colourIcon(const QColor& colour)
{
    QPixmap swatch(24, 14);
    swatch.fill(colour);
    QPainter p(&swatch);
    p.setPen(Qt::darkGray);
    p.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    return QIcon(swatch);
}

// Qt's font dialog with a colour choice below it, as one dialog.
bool runFontAndColourDialog(QWidget* parent, QFont& font, QColor& colour)
{
    QDialog box(parent);
    box.setWindowTitle(QStringLiteral("Schriftart"));
    auto* fonts = new QFontDialog(font, &box);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setSizeGripEnabled(false);
    auto* colours = new QComboBox(&box);
    colours->setObjectName(QStringLiteral("Farbe"));
    for (const auto& [name, c] : kTextColours)
        colours->addItem(colourIcon(c), QString::fromUtf8(name), c);
    int current = colours->findData(colour.toRgb());
    if (current < 0) {
        // A colour from a file keeps its place, even if it has no name here.
        colours->addItem(colourIcon(colour), QStringLiteral("Benutzerdefiniert"), colour);
        current = colours->count() - 1;
    }
    colours->setCurrentIndex(current);
    auto* label = new QLabel(QStringLiteral("&Farbe:"), &box);
    label->setBuddy(colours);
    auto* buttons = new QDialogButtonBox(&box);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(label);
    colourRow->addWidget(colours);
    colourRow->addStretch(1);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(fonts, 1);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    if (box.exec() != QDialog::Accepted)
        return false;
    font = fonts->currentFont();
    colour = colours->currentData().value<QColor>();
    return true;
}

} // namespace

bool QtSeams::chooseFont(QWidget* parent, QFont& font, QColor* colour)
{
    if (nobodyToAsk("font dialog", font.family()))
        return false;
    if (colour)
        return runFontAndColourDialog(parent, font, *colour);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (ok)
        font = chosen;
    return ok;
}

int QtSeams::runDialog(QDialog& dialog)
{
    if (nobodyToAsk("dialog", dialog.objectName())) {
        dialog.setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return dialog.exec();
}

bool QtSeams::openDocument(const QString& target, const QString& workingDirectory)
{
    if (target.isEmpty() || nobodyToAsk("opening a document", target))
        return false;
    const QUrl url(target);
    if (url.isValid() && url.scheme().size() > 1 && !url.isLocalFile())
        return QDesktopServices::openUrl(url);
    if (QProcess::startDetached(QStringLiteral("xdg-open"), {target}, workingDirectory))
        return true;
    QFileInfo info(target);
    if (info.isRelative() && !workingDirectory.isEmpty())
        info = QFileInfo(workingDirectory + QLatin1Char('/') + target);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

bool QtSeams::printWidget(QWidget& widget, bool withDialog)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!startPrinter(printer, withDialog, &widget))
        return false;
    const QPixmap picture = widget.grab();
    QPainter painter(&printer);
    if (!painter.isActive()) {
        reportPrintFailure();
        return false;
    }
    const QRect page = painter.viewport();
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(QPoint(0, 0), size), picture);
    return true;
}

bool QtSeams::printPixmap(const QPixmap& pixmap, bool withDialog, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!startPrinter(printer, withDialog, parent))
        return false;
    QPainter painter(&printer);
    if (!painter.isActive()) {
        reportPrintFailure();
        return false;
    }
    // A screen pixel becomes a 96th of an inch, so the picture has the size
    // it has on screen; a picture wider than the page is scaled down.
    const double scale = printer.resolution() / 96.0;
    QSize size(qRound(pixmap.width() * scale), qRound(pixmap.height() * scale));
    const QRect page = painter.viewport();
    if (size.width() > page.width() || size.height() > page.height())
        size = size.scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(QPoint(0, 0), size), pixmap);
    return true;
}

bool QtSeams::printLines(const QStringList& lines, const QFont& font, bool withDialog, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!startPrinter(printer, withDialog, parent))
        return false;
    QPainter painter(&printer);
    if (!painter.isActive()) {
        reportPrintFailure();
        return false;
    }
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int lineHeight = qMax(1, metrics.lineSpacing());
    const int pageHeight = painter.viewport().height();
    int y = metrics.ascent();
    for (const QString& line : lines) {
        if (y > pageHeight) {
            printer.newPage();
            y = metrics.ascent();
        }
        painter.drawText(0, y, line);
        y += lineHeight;
    }
    return true;
}

void QtSeams::randomize()
{
    std::random_device device;
    const auto now = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    m_random.seed(device() ^ now);
}

int QtSeams::random(int below)
{
    if (below <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, below - 1)(m_random);
}

std::int64_t QtSeams::tickCount()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

// ---- scripted ----------------------------------------------------------------

QStringList ScriptedSeams::messageTexts() const
{
    QStringList texts;
    for (const Message& m : messages)
        texts << m.text;
    return texts;
}

QStringList ScriptedSeams::questionTexts() const
{
    QStringList texts;
    for (const Message& m : questions)
        texts << m.text;
    return texts;
}

std::size_t ScriptedSeams::pendingAnswers() const
{
    return m_yesNo.size() + m_open.size() + m_save.size() + m_folder.size() + m_fonts.size()
         + m_dialogs.size() + m_printAnswers.size() + m_openAnswers.size() + m_randoms.size();
}

void ScriptedSeams::message(const QString& text, MessageIcon icon, const QString& caption)
{
    messages.push_back(Message{text, icon, caption});
}

bool ScriptedSeams::question(const QString& text, MessageIcon icon, const QString& caption)
{
    questions.push_back(Message{text, icon, caption});
    if (m_yesNo.empty())
        return false;
    const bool answer = m_yesNo.front();
    m_yesNo.pop_front();
    return answer;
}

namespace {
template <typename T>
T takeOr(std::deque<T>& queue, T fallback)
{
    if (queue.empty())
        return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}
} // namespace

QString ScriptedSeams::openFileName(QWidget*, const FileDialogRequest& request)
{
    fileRequests.push_back(FileRequest{FileRequest::Open, request});
    return withDefaultExtension(takeOr(m_open, QString()), request.defaultExtension);
}

QString ScriptedSeams::saveFileName(QWidget*, const FileDialogRequest& request)
{
    fileRequests.push_back(FileRequest{FileRequest::Save, request});
    return withDefaultExtension(takeOr(m_save, QString()), request.defaultExtension);
}

QString ScriptedSeams::folderName(QWidget*, const QString& caption, const QString& start)
{
    FileDialogRequest request;
    request.caption = caption;
    request.directory = start;
    fileRequests.push_back(FileRequest{FileRequest::Folder, request});
    return takeOr(m_folder, QString());
}

bool ScriptedSeams::chooseFont(QWidget*, QFont& font, QColor* colour)
{
    fontColours.push_back(colour ? *colour : QColor());
    if (m_fonts.empty())
        return false;
    const auto [chosenFont, chosenColour] = m_fonts.front();
    m_fonts.pop_front();
    font = chosenFont;
    if (colour && chosenColour.isValid())
        *colour = chosenColour;
    return true;
}

int ScriptedSeams::runDialog(QDialog& dialog)
{
    dialogsRun << dialog.objectName();
    DialogScript script = takeOr(m_dialogs, DialogScript{});
    // Shown without a modal loop, so show events (and what a dialog does on
    // each showing) happen as they would for the person at the screen.
    dialog.setResult(0);
    dialog.show();
    if (script.act)
        script.act(dialog);
    if (dialog.isVisible())
        dialog.done(script.result);
    return dialog.result();
}

bool ScriptedSeams::openDocument(const QString& target, const QString& workingDirectory)
{
    documentsOpened << target << workingDirectory;
    return takeOr(m_openAnswers, true);
}

bool ScriptedSeams::printWidget(QWidget& widget, bool withDialog)
{
    prints.push_back(Print{Print::Widget, withDialog, {}, widget.objectName()});
    return takeOr(m_printAnswers, false);
}

bool ScriptedSeams::printPixmap(const QPixmap&, bool withDialog, QWidget*)
{
    prints.push_back(Print{Print::Pixmap, withDialog, {}, {}});
    return takeOr(m_printAnswers, false);
}

bool ScriptedSeams::printLines(const QStringList& lines, const QFont&, bool withDialog, QWidget*)
{
    prints.push_back(Print{Print::Lines, withDialog, lines, {}});
    return takeOr(m_printAnswers, false);
}

int ScriptedSeams::random(int below)
{
    if (below <= 0)
        return 0;
    if (!m_randoms.empty()) {
        const int v = m_randoms.front();
        m_randoms.pop_front();
        return v;
    }
    // Not a constant, so that loops drawing until a value fits still end.
    return std::uniform_int_distribution<int>(0, below - 1)(m_fallback);
}

std::int64_t ScriptedSeams::tickCount()
{
    const std::int64_t now = m_tick;
    m_tick += m_tickStep;
    return now;
}

} // namespace kolvar
