#include "dialog/Win32Controls.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <qdrawutil.h>

#include <utility>

namespace {

// Text flags for a caption the control draws itself: the mnemonic is
// underlined where the style underlines shortcuts, hidden where it does not.
int CaptionTextFlags(const QWidget* widget, int alignment) {
    QStyleOption opt;
    opt.initFrom(widget);
    const bool underline = widget->style()->styleHint(QStyle::SH_UnderlineShortcut, &opt, widget);
    return alignment | Qt::TextShowMnemonic | (underline ? 0 : Qt::TextHideMnemonic);
}

} // namespace

bool TakesTabFocus(const QWidget* widget) {
    return widget != nullptr && widget->isEnabled() && widget->isVisibleTo(widget->window()) &&
           (widget->focusPolicy() & Qt::TabFocus) != 0;
}

void MnemonicRoute::SetFollowing(std::vector<QPointer<QWidget>> following) {
    m_following = std::move(following);
}

QWidget* MnemonicRoute::Target() const {
    for (const QPointer<QWidget>& widget : m_following) {
        if (TakesTabFocus(widget))
            return widget;
    }
    return nullptr;
}

bool MnemonicRoute::Go(QWidget* from) const {
    QWidget* target = Target();
    if (target == nullptr)
        return false;
    target->setFocus(Qt::ShortcutFocusReason);
    // Shows the focus frame, as any keyboard move of the focus does.
    from->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    return true;
}

// ---------------------------------------------------------------------------

Win32Label::Win32Label(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setText(text);
}

bool Win32Label::event(QEvent* e) {
    // The only shortcut a label grabs is its mnemonic.
    if (e->type() == QEvent::Shortcut) {
        m_route.Go(this);
        return true;
    }
    return QLabel::event(e);
}

// ---------------------------------------------------------------------------

Win32GroupBox::Win32GroupBox(const QString& caption, QWidget* parent)
    : QGroupBox(parent), m_caption(caption) {
    setFocusPolicy(Qt::NoFocus);
    grabShortcut(QKeySequence::mnemonic(caption));
}

bool Win32GroupBox::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        m_route.Go(this);
        return true;
    }
    return QGroupBox::event(e);
}

namespace {

// The caption starts this far in from the frame's left edge and keeps the
// line clear for one pixel on either side.
constexpr int kCaptionIndent = 7;
constexpr int kCaptionMargin = 1;

int CaptionFlags(const QWidget* widget) {
    return CaptionTextFlags(widget, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine);
}

} // namespace

QRect Win32GroupBox::CaptionRect() const {
    if (m_caption.isEmpty())
        return {};
    const QRect room(kCaptionIndent, 0, width() - 2 * kCaptionIndent, fontMetrics().height());
    return style()->itemTextRect(fontMetrics(), room, CaptionFlags(this), isEnabled(), m_caption);
}

void Win32GroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int frameTop = fontMetrics().height() / 2 - 1;
    qDrawShadeRect(&painter, QRect(0, frameTop, width(), height() - frameTop), palette(),
                   /*sunken=*/true, /*lineWidth=*/1);
    const QRect caption = CaptionRect();
    if (caption.isEmpty())
        return;
    painter.fillRect(caption.adjusted(-kCaptionMargin, 0, kCaptionMargin, kCaptionMargin),
                     palette().brush(backgroundRole()));
    style()->drawItemText(&painter, caption, CaptionFlags(this), palette(), isEnabled(), m_caption,
                          QPalette::WindowText);
}

// ---------------------------------------------------------------------------

Win32CheckBox::Win32CheckBox(const QString& text, bool leftText, QWidget* parent)
    : QCheckBox(text, parent), m_leftText(leftText) {}

bool Win32CheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

QRect Win32CheckBox::IndicatorRect() const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    if (!m_leftText)
        return style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, this);
    const int w = style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, this);
    const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, &opt, this);
    return QRect(width() - w, (height() - h) / 2, w, h);
}

QRect Win32CheckBox::CaptionRect() const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    if (!m_leftText)
        return style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, this);
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &opt, this);
    return QRect(0, 0, std::max(0, IndicatorRect().left() - spacing), height());
}

void Win32CheckBox::paintEvent(QPaintEvent* e) {
    if (!m_leftText) {
        QCheckBox::paintEvent(e);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);

    QStyleOptionButton box = opt;
    box.rect = IndicatorRect();
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);

    const int flags = CaptionTextFlags(this, Qt::AlignLeft | Qt::AlignVCenter);
    const QRect caption = CaptionRect();
    painter.drawItemText(caption, flags, opt.palette, isEnabled(), opt.text, QPalette::WindowText);

    if (opt.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()
                         ->itemTextRect(opt.fontMetrics, caption, flags, isEnabled(), opt.text)
                         .adjusted(-1, 0, 1, 0)
                         .intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// ---------------------------------------------------------------------------

Win32RadioButton::Win32RadioButton(const QString& text, QWidget* parent)
    : QRadioButton(text, parent) {
    // All radio buttons share the dialog as parent; the button group they are
    // put in, not the parent, decides which ones exclude each other. They stay
    // auto-exclusive all the same: that is what makes them announce
    // themselves as radio buttons rather than check boxes.
}

bool Win32RadioButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void Win32RadioButton::keyPressEvent(QKeyEvent* e) {
    int step = 0;
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if (step == 0 || group() == nullptr || mods != Qt::NoModifier) {
        QRadioButton::keyPressEvent(e);
        return;
    }
    // Qt would pick the geometrically nearest button and only move along the
    // arrow's axis; the group is a ring in template order instead.
    const QList<QAbstractButton*> buttons = group()->buttons();
    const auto count = static_cast<int>(buttons.size());
    const auto self = static_cast<int>(buttons.indexOf(this));
    for (int i = 1; i < count; ++i) {
        QAbstractButton* next = buttons.at(((self + step * i) % count + count) % count);
        if (next->isEnabled() && !next->isHidden()) {
            next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            next->click();
            return;
        }
    }
    e->ignore();
}

// ---------------------------------------------------------------------------

Win32ListBox::Win32ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
    // A line that does not fit is cut at the edge, never shortened with "...".
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int Win32ListBox::SelectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QItemSelectionModel::SelectionFlags Win32ListBox::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (event == nullptr)
        return command; // a change asked for by code goes through unchanged
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void Win32ListBox::ReportChoice() {
    const int row = SelectedRow();
    if (row >= 0)
        Q_EMIT userSelectionChanged(row);
}

void Win32ListBox::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        m_bPressedOnLine = indexAt(e->position().toPoint()).isValid();
    QListWidget::mousePressEvent(e);
}

void Win32ListBox::mouseReleaseEvent(QMouseEvent* e) {
    QListWidget::mouseReleaseEvent(e);
    // The choice is made when the button goes up, wherever a drag ended.
    if (e->button() == Qt::LeftButton && std::exchange(m_bPressedOnLine, false))
        ReportChoice();
}

void Win32ListBox::keyPressEvent(QKeyEvent* e) {
    const int before = SelectedRow();
    QListWidget::keyPressEvent(e);
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        ReportChoice();
        break;
    default:
        if (SelectedRow() != before)
            ReportChoice();
        break;
    }
}

// ---------------------------------------------------------------------------

Win32DropDownStyle::Win32DropDownStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int Win32DropDownStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                  QStyleHintReturn* returnData) const {
    if (hint == QStyle::SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
