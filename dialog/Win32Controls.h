#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProxyStyle>
#include <QRadioButton>

#include <vector>

// Controls that behave the way the dialogs were designed for: a button reacts
// anywhere in its rectangle, a label's mnemonic moves the focus on to the next
// control, a list box can't be emptied by the user.

// Where a static text or group box sends its mnemonic: the first of the
// following items (template order, wrapping round) that would take the focus
// from the Tab key right now. Decided when the key is pressed, because the
// radio button that takes the focus is the checked one and controls come and
// go with their enabled state.
class MnemonicRoute {
public:
    void SetFollowing(std::vector<QPointer<QWidget>> following);
    QWidget* Target() const;
    bool Go(QWidget* from) const;

private:
    std::vector<QPointer<QWidget>> m_following;
};

// True when the Tab key can move the focus to `widget` now.
bool TakesTabFocus(const QWidget* widget);

// Static text. The caption is plain text; with a mnemonic, Alt+letter follows
// the route instead of focusing a fixed buddy.
class Win32Label : public QLabel {
    Q_OBJECT
public:
    explicit Win32Label(const QString& text, QWidget* parent = nullptr);
    MnemonicRoute& Route() { return m_route; }

protected:
    bool event(QEvent* e) override;

private:
    MnemonicRoute m_route;
};

// Group box: a frame with a caption, drawn behind the sibling controls that
// sit inside it. Its mnemonic follows the route; Qt's own would only look
// among the box's children, and it has none. It is drawn as an etched frame
// whose top line runs through the middle of the caption, in the dialog's own
// font: the styles' group boxes set the caption above the frame, often in
// bold, and some stretch a picture over the whole frame, which is slow to
// paint.
class Win32GroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit Win32GroupBox(const QString& caption, QWidget* parent = nullptr);
    MnemonicRoute& Route() { return m_route; }
    // Where the caption is drawn, in widget coordinates; empty without one.
    QRect CaptionRect() const;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    // Kept here rather than as QGroupBox's title, which measures itself in
    // the font as soon as it is set.
    QString m_caption;
    MnemonicRoute m_route;
};

// Auto check box. The whole rectangle is the hit area. With `leftText` the
// caption sits at the left edge and the box at the right edge.
class Win32CheckBox : public QCheckBox {
    Q_OBJECT
public:
    Win32CheckBox(const QString& text, bool leftText, QWidget* parent = nullptr);
    bool LeftText() const { return m_leftText; }
    // Where the box and the caption are drawn, in widget coordinates.
    QRect IndicatorRect() const;
    QRect CaptionRect() const;

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* e) override;

private:
    bool m_leftText;
};

// Auto radio button, member of one exclusive QButtonGroup. The whole rectangle
// is the hit area; the arrow keys move to the next or previous button of the
// group in template order, wrapping round, and click it.
class Win32RadioButton : public QRadioButton {
    Q_OBJECT
public:
    explicit Win32RadioButton(const QString& text, QWidget* parent = nullptr);

protected:
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* e) override;
};

// Single-selection list box. The user can select a line but never get rid of
// the selection: Ctrl+click, Ctrl+Space and clicks below the last line leave
// it as it is. Only code clears it.
class Win32ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit Win32ListBox(QWidget* parent = nullptr);

    // The selected row, -1 for none.
    int SelectedRow() const;

Q_SIGNALS:
    // The user chose line `row`: the left button went up after a press on a
    // line, or a navigation key landed on a line, or a typed key moved the
    // selection. Sent even when the line stays the same, so that choosing a
    // line again reloads it; never for changes made by code, never with -1.
    void userSelectionChanged(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void ReportChoice();

    bool m_bPressedOnLine = false;
};

// Style of the drop-down lists: the list drops down below the box and shows
// as many lines as the template's height leaves room for, instead of the
// menu-like popup some styles use (which ignores that height).
class Win32DropDownStyle : public QProxyStyle {
    Q_OBJECT
public:
    Win32DropDownStyle();
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
