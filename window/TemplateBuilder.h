// SPDX-License-Identifier: MIT
#pragma once

#include "window/templates/DialogTemplate.h"

#include <QFont>
#include <QRect>
#include <QWidget>

#include <vector>

class QButtonGroup;
class QDialog;

// The widgets made from one template, in template order.
struct BuiltDialog {
    std::vector<QWidget*> items; // index = template order
    QFont font;                  // the face actually obtained
    int baseX = 0;               // dialog base units in pixels
    int baseY = 0;
    const DialogTemplate* source = nullptr; // the template the items were made from
    std::vector<QButtonGroup*> radioGroups; // one exclusive group per WS_GROUP run of radios

    // nullptr for kNoId or an identifier the template does not have.
    QWidget* ById(int id) const;
    // Dialog units to pixels, rounded as the dialog manager does
    // (x * baseX / 4, y * baseY / 8, each half away from zero).
    QRect MapDialogRect(int x, int y, int cx, int cy) const;
    template <class T> T* Control(int id) const { return qobject_cast<T*>(ById(id)); }
};

// Creates every item of `tmpl` as a child of `dialog` with absolute geometry
// (x px = x * baseX / 4, y px = y * baseY / 8), fills the drop-down lists,
// groups the radio buttons, routes the mnemonics of static texts and group
// boxes, and gives the dialog its title, font, window hints and fixed size;
// the dialog centres itself, frame included, each time it is shown.
BuiltDialog BuildDialog(QDialog* dialog, const DialogTemplate& tmpl);

// Attaches `member` to the control with identifier `id`. A template without
// it is a build error in all but name, so the program stops at once.
template <class T>
void BindControl(const BuiltDialog& built, T*& member, int id) {
    member = built.Control<T>(id);
    if (!member)
        qFatal("control %d is missing from the main window's template", id);
}
