#pragma once
// What the two spin edits share: an edit with a pair of arrow buttons at its
// right edge, the Up and Down keys stepping the value, a read-only edit that
// only beeps when stepped, and an editor that can be locked so that the value
// changes by stepping alone.
#include <QLineEdit>

namespace kolvar {

class SpinButton;

class SpinEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit SpinEdit(QWidget* parent = nullptr);
    ~SpinEdit() override;

    // false: nothing can be typed, deleted, pasted or cut; stepping still works.
    bool EditorEnabled() const { return m_editorEnabled; }
    void setEditorEnabled(bool enabled) { m_editorEnabled = enabled; }

    // Whether the arrow buttons show; the arrow keys step either way.
    bool spinEnabled() const;
    void setSpinEnabled(bool enabled);

    // Select the whole text when the focus comes in by keyboard.
    bool AutoSelect() const { return m_autoSelect; }
    void setAutoSelect(bool enabled) { m_autoSelect = enabled; }

    // Kept for the windows that use it; the control itself ignores it.
    bool Ergekont() const { return m_ergekont; }
    void setErgekont(bool value) { m_ergekont = value; }

    SpinButton* spinButton() const { return m_button; }

    // The control never gets lower than this (depends on its font).
    int minimumEditHeight() const;

    // Step the value by one increment; a read-only edit beeps instead.
    virtual void UpClick();
    virtual void DownClick();

    // Whether a typed character may go into the text.
    virtual bool IsValidChar(QChar key) = 0;

public slots:
    // Do nothing while the editor is locked or the edit is read-only.
    void paste();
    void cut();

protected:
    // One step up (+1) or down (-1).
    virtual void step(int direction) = 0;
    // Leaving the control: a value outside the bounds is written again.
    virtual void exitCheck() = 0;
    // Whether a typed "." stands for the decimal separator.
    virtual bool periodIsSeparator() const = 0;

    // The rule common to both edits: a locked editor refuses every typed
    // character from the blank up, and Backspace.
    bool editorAllows(QChar key) const;

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool editingLocked() const { return !m_editorEnabled || isReadOnly(); }
    void placeButton();

    SpinButton* m_button = nullptr;
    bool m_editorEnabled = true;
    bool m_autoSelect = true;
    bool m_ergekont = false;
};

} // namespace kolvar
