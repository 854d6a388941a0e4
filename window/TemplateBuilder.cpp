// SPDX-License-Identifier: MIT
#include "window/TemplateBuilder.h"

#include "window/DialogFont.h"
#include "window/WindowCentring.h"
#include "window/controls/ComboListBox.h"
#include "window/controls/DialogCheckBox.h"
#include "window/controls/DialogGroupBox.h"
#include "window/controls/DialogLabel.h"
#include "window/controls/DialogPushButton.h"
#include "window/controls/DialogRadioButton.h"
#include "window/controls/DialogDropDownList.h"
#include "window/templates/ProgramIcon.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QLineEdit>

#include <algorithm>

namespace {

// Every letter of the alphabet in both cases: the dialog manager's measure of
// a font's average character width.
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The closed height of a drop-down list in dialog units. The template's
// height includes the dropped list; the box itself is as tall as an edit.
constexpr int kClosedDropDownHeight = 12;

// n * num / den, rounded half away from zero.
int MulDiv(int n, int num, int den) {
    const long long product = static_cast<long long>(n) * num;
    const long long half = den / 2;
    return static_cast<int>(product >= 0 ? (product + half) / den : -((-product + half) / den));
}

bool Has(const DialogItem& item, std::uint32_t style) {
    return (item.style & style) != 0;
}

bool HasMnemonic(const DialogItem& item) {
    return !Has(item, ItemStyle::NoPrefix) && QString::fromUtf8(item.caption).contains(u'&');
}

// The caption as read out: "&&" is an ampersand, a single '&' marks the
// mnemonic and is dropped.
QString WithoutMnemonic(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        plain.append(caption[i]);
    }
    return plain;
}

QString AccessibleName(const DialogItem& item) {
    if (item.accessibleName != nullptr)
        return QString::fromUtf8(item.accessibleName);
    const QString caption = QString::fromUtf8(item.caption);
    return Has(item, ItemStyle::NoPrefix) ? caption : WithoutMnemonic(caption);
}

Qt::WindowFlags WindowFlagsFor(const DialogTemplate& tmpl) {
    // A dialog without an owner that is meant to stand on its own in the
    // taskbar has to be a plain window: window managers keep ownerless dialogs
    // out of the taskbar.
    Qt::WindowFlags flags = tmpl.appWindow ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowCloseButtonHint;
    if (tmpl.minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

QWidget* CreateItem(const DialogItem& item, const DialogTemplate& tmpl, QDialog* dialog) {
    const QString caption = QString::fromUtf8(item.caption);
    switch (item.kind) {
    case ItemKind::Static: {
        // Without a buddy a QLabel shows '&' as it is, which is what an item
        // without a mnemonic wants; the buddy of the others is set later.
        return new DialogLabel(caption, dialog);
    }
    case ItemKind::GroupBox: {
        QString title = caption;
        if (Has(item, ItemStyle::NoPrefix))
            title.replace(u'&', QStringLiteral("&&"));
        return new DialogGroupBox(title, dialog);
    }
    case ItemKind::Edit: {
        auto* edit = new QLineEdit(dialog);
        edit->setFrame(Has(item, ItemStyle::Border));
        // WS_EX_RIGHT only right-aligns on right-to-left systems.
        edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return edit;
    }
    case ItemKind::ListBox:
        return new ComboListBox(dialog);
    case ItemKind::DropDownList: {
        auto* combo = new DialogDropDownList(dialog);
        for (const InitialList& list : tmpl.lists) {
            if (list.id != item.id)
                continue;
            for (const char* text : list.items)
                combo->addItem(QString::fromUtf8(text));
        }
        // A drop-down list starts with nothing selected; the program's reset
        // picks the items.
        combo->setCurrentIndex(-1);
        return combo;
    }
    case ItemKind::RadioButton:
        return new DialogRadioButton(caption, dialog);
    case ItemKind::CheckBox:
        return new DialogCheckBox(caption, Has(item, ItemStyle::LeftText), dialog);
    case ItemKind::PushButton: {
        auto* button = new DialogPushButton(caption, dialog);
        // Every push button of a dialog answers Enter while it has the focus;
        // otherwise Enter goes to the default button.
        button->setAutoDefault(true);
        button->setDefault(Has(item, ItemStyle::DefPushButton));
        return button;
    }
    case ItemKind::Icon: {
        auto* icon = new QLabel(dialog);
        icon->setPixmap(ProgramIcon().pixmap(kProgramIconSize, kProgramIconSize));
        return icon;
    }
    }
    return nullptr;
}

// FreeType's light hinting, the usual desktop setting, fits a glyph to the
// metrics of its script, which it works out on the first glyph of that script
// it meets; for ideographic faces that means loading dozens of reference
// ideographs (0.3 ms and 1.6 MB of the font file for the two arrow buttons).
// Captions beyond Latin-1 are drawn unhinted instead: they are symbols like
// the arrows, where hinting adds nothing.
bool NeedsUnhintedFont(const QString& caption) {
    return std::any_of(caption.begin(), caption.end(), [](QChar c) { return c.unicode() > 0xFF; });
}

Qt::FocusPolicy FocusPolicyFor(const DialogItem& item) {
    switch (item.kind) {
    case ItemKind::Static:
    case ItemKind::GroupBox:
    case ItemKind::Icon:
        return Qt::NoFocus;
    default:
        // A control the user can click takes the focus from the click, but
        // only tab stops are reached with Tab.
        return Has(item, ItemStyle::TabStop) ? Qt::StrongFocus : Qt::ClickFocus;
    }
}

QRect ItemRect(const BuiltDialog& built, const DialogItem& item) {
    if (item.kind == ItemKind::Icon) {
        // An icon item takes the icon's own size, whatever the template says.
        const QRect at = built.MapDialogRect(item.x, item.y, 0, 0);
        return QRect(at.topLeft(), QSize(kProgramIconSize, kProgramIconSize));
    }
    if (item.kind == ItemKind::DropDownList)
        return built.MapDialogRect(item.x, item.y, item.cx,
                                   std::min(item.cy, kClosedDropDownHeight));
    return built.MapDialogRect(item.x, item.y, item.cx, item.cy);
}

// Tab reaches a radio group at its checked button, or at its first one while
// none is checked.
void UpdateRadioTabStop(QButtonGroup* group) {
    const QList<QAbstractButton*> buttons = group->buttons();
    QAbstractButton* stop = group->checkedButton();
    if (stop == nullptr && !buttons.isEmpty())
        stop = buttons.first();
    for (QAbstractButton* button : buttons)
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void GroupRadioButtons(BuiltDialog& built, QDialog* dialog) {
    const auto& items = built.source->items;
    QButtonGroup* group = nullptr;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (Has(items[i], ItemStyle::Group))
            group = nullptr; // a WS_GROUP item ends the run before it
        if (items[i].kind != ItemKind::RadioButton)
            continue;
        if (group == nullptr) {
            group = new QButtonGroup(dialog);
            group->setExclusive(true);
            built.radioGroups.push_back(group);
        }
        group->addButton(qobject_cast<QAbstractButton*>(built.items[i]), items[i].id);
    }
    for (QButtonGroup* g : built.radioGroups) {
        UpdateRadioTabStop(g);
        QObject::connect(g, &QButtonGroup::buttonToggled, g,
                         [g](QAbstractButton*, bool) { UpdateRadioTabStop(g); });
    }
}

void RouteMnemonics(const BuiltDialog& built) {
    const auto& items = built.source->items;
    const std::size_t count = items.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (!HasMnemonic(items[i]))
            continue;
        std::vector<QPointer<QWidget>> following;
        for (std::size_t k = 1; k < count; ++k)
            following.emplace_back(built.items[(i + k) % count]);

        if (auto* label = qobject_cast<DialogLabel*>(built.items[i])) {
            label->route().setFollowing(following);
            // QLabel only underlines and grabs its mnemonic while it has a
            // buddy; the route, not the buddy, decides where the focus goes.
            const auto buddy =
                std::find_if(following.begin(), following.end(), [](const QPointer<QWidget>& w) {
                    return w->focusPolicy() != Qt::NoFocus;
                });
            if (buddy != following.end())
                label->setBuddy(*buddy);
        } else if (auto* box = qobject_cast<DialogGroupBox*>(built.items[i])) {
            box->route().setFollowing(following);
        }
    }
}

// Every check box and push button learns the group it stands in: the items
// from one marked as starting a group up to the next one so marked.
void GroupArrowKeys(const BuiltDialog& built) {
    const auto& items = built.source->items;
    std::size_t first = 0;
    while (first < items.size()) {
        std::size_t end = first + 1;
        while (end < items.size() && !Has(items[end], ItemStyle::Group))
            ++end;
        const std::vector<QPointer<QWidget>> members(built.items.begin() + first,
                                                     built.items.begin() + end);
        for (std::size_t i = first; i < end; ++i) {
            if (auto* box = qobject_cast<DialogCheckBox*>(built.items[i]))
                box->arrowKeyGroup().setMembers(members);
            else if (auto* button = qobject_cast<DialogPushButton*>(built.items[i]))
                button->arrowKeyGroup().setMembers(members);
        }
        first = end;
    }
}

// Screen readers on Linux take a drop-down list's name from the label whose
// buddy it is, not from the list itself. The static text standing before a
// list names it; a list without one (the link count beside its check box)
// gets a label that is never shown, carrying its accessible name.
void LabelDropDownLists(const BuiltDialog& built, QDialog* dialog) {
    const auto& items = built.source->items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind != ItemKind::DropDownList)
            continue;
        auto* label = i > 0 ? qobject_cast<DialogLabel*>(built.items[i - 1]) : nullptr;
        if (label == nullptr || label->buddy() != nullptr) {
            label = new DialogLabel(AccessibleName(items[i]), dialog);
            label->setObjectName(QString::fromUtf8(items[i].objectName) + QStringLiteral("Label"));
            label->hide();
        }
        label->setBuddy(built.items[i]);
    }
}

} // namespace

QWidget* BuiltDialog::ById(int id) const {
    if (id == kNoId || source == nullptr)
        return nullptr;
    for (std::size_t i = 0; i < source->items.size() && i < items.size(); ++i) {
        if (source->items[i].id == id)
            return items[i];
    }
    return nullptr;
}

QRect BuiltDialog::MapDialogRect(int x, int y, int cx, int cy) const {
    return QRect(MulDiv(x, baseX, 4), MulDiv(y, baseY, 8), MulDiv(cx, baseX, 4),
                 MulDiv(cy, baseY, 8));
}

BuiltDialog BuildDialog(QDialog* dialog, const DialogTemplate& tmpl) {
    BuiltDialog built;
    built.source = &tmpl;
    built.font = DialogFont(tmpl.fontFace, tmpl.pointSize);

    dialog->setFont(built.font);
    const QFontMetrics metrics(built.font, dialog);
    built.baseX = (metrics.horizontalAdvance(QString::fromLatin1(kAlphabet)) / 26 + 1) / 2;
    built.baseY = metrics.height();

    dialog->setWindowTitle(QString::fromUtf8(tmpl.title));
    dialog->setWindowFlags(WindowFlagsFor(tmpl));
    dialog->setSizeGripEnabled(false);
    dialog->setFixedSize(built.MapDialogRect(0, 0, tmpl.cx, tmpl.cy).size());
    new WindowCentring(dialog);

    // Creation order is Qt's default focus chain, so creating the items in
    // template order makes the template's order the tab order.
    built.items.reserve(tmpl.items.size());
    for (const DialogItem& item : tmpl.items) {
        QWidget* widget = CreateItem(item, tmpl, dialog);
        widget->setObjectName(QString::fromUtf8(item.objectName));
        widget->setAccessibleName(AccessibleName(item));
        widget->setGeometry(ItemRect(built, item));
        widget->setFocusPolicy(FocusPolicyFor(item));
        if (NeedsUnhintedFont(QString::fromUtf8(item.caption))) {
            QFont unhinted = built.font;
            unhinted.setHintingPreference(QFont::PreferNoHinting);
            widget->setFont(unhinted);
        }
        if (Has(item, ItemStyle::Disabled))
            widget->setEnabled(false);
        if (Has(item, ItemStyle::Hidden))
            widget->hide(); // stays hidden when the dialog is shown
        built.items.push_back(widget);
    }

    GroupRadioButtons(built, dialog);
    RouteMnemonics(built);
    GroupArrowKeys(built);
    LabelDropDownLists(built, dialog);

    for (std::size_t i = 0; i < tmpl.items.size(); ++i) {
        const DialogItem& item = tmpl.items[i];
        auto* combo = qobject_cast<QComboBox*>(built.items[i]);
        if (combo == nullptr)
            continue;
        const int listHeight = MulDiv(item.cy, built.baseY, 8) - combo->height();
        combo->setMaxVisibleItems(std::max(1, listHeight / built.baseY));
    }
    return built;
}
