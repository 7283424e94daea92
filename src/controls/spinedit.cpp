#include "controls/spinedit.h"

#include "controls/numerickeys.h"
#include "controls/spinbutton.h"
#include "platform/seams.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMenu>

#include <algorithm>

namespace kolvar {

namespace {

// Keys that change the text without typing a character.
bool deletesText(const QKeyEvent& event)
{
    return event.matches(QKeySequence::Delete) || event.matches(QKeySequence::DeleteStartOfWord)
        || event.matches(QKeySequence::DeleteEndOfWord) || event.matches(QKeySequence::DeleteEndOfLine)
        || event.matches(QKeySequence::DeleteCompleteLine);
}

bool pastesOrCuts(const QKeyEvent& event)
{
    return event.matches(QKeySequence::Paste) || event.matches(QKeySequence::Cut)
        || event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo);
}

} // namespace

SpinEdit::SpinEdit(QWidget* parent) : QLineEdit(parent)
{
    m_button = new SpinButton(this);
    connect(m_button, &SpinButton::upClicked, this, [this] { UpClick(); });
    connect(m_button, &SpinButton::downClicked, this, [this] { DownClick(); });
    connect(m_button, &SpinButton::pressed, this, [this] {
        if (!hasFocus())
            setFocus(Qt::MouseFocusReason);
    });
    // The text keeps clear of the buttons.
    setTextMargins(0, 0, m_button->width() + 2, 0);
    setMinimumHeight(minimumEditHeight());
    setText(QStringLiteral("0"));
    placeButton();
}

SpinEdit::~SpinEdit() = default;

bool SpinEdit::spinEnabled() const
{
    return !m_button->isHidden();
}

void SpinEdit::setSpinEnabled(bool enabled)
{
    m_button->setVisible(enabled);
    m_button->update();
}

int SpinEdit::minimumEditHeight() const
{
    const int own = QFontMetrics(font()).height();
    const int system = QFontMetrics(QApplication::font()).height();
    constexpr int border = 1;
    return own + std::min(own, system) / 4 + 4 * border + 2;
}

void SpinEdit::UpClick()
{
    if (isReadOnly())
        beep();
    else
        step(+1);
}

void SpinEdit::DownClick()
{
    if (isReadOnly())
        beep();
    else
        step(-1);
}

void SpinEdit::paste()
{
    if (!editingLocked())
        QLineEdit::paste();
}

void SpinEdit::cut()
{
    if (!editingLocked())
        QLineEdit::cut();
}

bool SpinEdit::editorAllows(QChar key) const
{
    return m_editorEnabled || (key.unicode() < 32 && key.unicode() != 8);
}

void SpinEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up) {
        UpClick();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Down) {
        DownClick();
        event->accept();
        return;
    }
    if (editingLocked() && pastesOrCuts(*event)) {
        event->accept();
        return;
    }
    if (!m_editorEnabled && deletesText(*event)) {
        // Refused like Backspace: a locked editor changes by stepping only.
        beep();
        event->accept();
        return;
    }
    screenKeyPress(
        event, periodIsSeparator(), [this](QChar key) { return IsValidChar(key); },
        [this](QKeyEvent* e) { QLineEdit::keyPressEvent(e); });
}

void SpinEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (m_autoSelect && !(QApplication::mouseButtons() & Qt::LeftButton))
        selectAll();
}

void SpinEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu or a switch to another window does not leave the control.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        exitCheck();
}

void SpinEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    placeButton();
}

void SpinEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setMinimumHeight(minimumEditHeight());
}

void SpinEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    if (editingLocked()) {
        for (QAction* action : menu->actions()) {
            const QString name = action->objectName();
            if (name == QLatin1String("edit-cut") || name == QLatin1String("edit-paste")
                || name == QLatin1String("edit-delete") || name == QLatin1String("edit-undo")
                || name == QLatin1String("edit-redo"))
                action->setEnabled(false);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void SpinEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the X11 selection.
    if (event->button() == Qt::MiddleButton && editingLocked()) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void SpinEdit::dragEnterEvent(QDragEnterEvent* event)
{
    if (editingLocked()) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event);
}

void SpinEdit::dropEvent(QDropEvent* event)
{
    if (editingLocked()) {
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

void SpinEdit::placeButton()
{
    m_button->setGeometry(width() - m_button->width(), 0, m_button->width(), height());
}

} // namespace kolvar
