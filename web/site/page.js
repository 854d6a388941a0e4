// SPDX-License-Identifier: MIT
// The page: the window's template laid out in dialog units, its controls
// wired to the core's workbench as the desktop window wires them. Every rule
// (what a command does, which buttons it enables, where the focus goes)
// comes from the core's ViewUpdate; this file only applies it to the page.
"use strict";

(() => {
    const RESULTS_KEY = "Results.Txt";
    const Style = { Group: 1, TabStop: 2, Hidden: 4, Disabled: 8, LeftText: 16, DefPushButton: 32 };
    const KOV_DEFAULT_INDEX = 5; // "1.0"

    let kov = null;
    let wb = null;
    let items = [];
    let worker = null;
    let openedName = "combo.kovcombo";
    // What tools and tests read and count (see the README).
    const api = {
        beeps: 0,
        ready: false,
        resultsTxt: () => localStorage.getItem(RESULTS_KEY) ?? "",
        lines: () => rows().map((row) => row.textContent),
    };
    window.kov = api;

    const $ = (id) => document.getElementById(id);
    const rows = () => Array.from($("m_listCombo").querySelectorAll("[role=option]"));

    // ----- feedback -----------------------------------------------------

    let audio = null;
    // The window's beep: a short tone where the browser lets the page play
    // one, and always a red flash round the dialog.
    function beep() {
        api.beeps += 1;
        const dialog = $("dialog");
        dialog.classList.remove("flash");
        void dialog.offsetWidth;
        dialog.classList.add("flash");
        setTimeout(() => dialog.classList.remove("flash"), 150);
        try {
            audio ??= new AudioContext();
            const tone = audio.createOscillator();
            const gain = audio.createGain();
            tone.type = "square";
            tone.frequency.value = 880;
            gain.gain.value = 0.05;
            tone.connect(gain).connect(audio.destination);
            tone.start();
            tone.stop(audio.currentTime + 0.08);
        } catch {
            // No sound here: the flash is the beep.
        }
    }

    function messageBox(caption, text, extra) {
        const box = $("messageBox");
        $("messageCaption").textContent = caption;
        $("messageText").textContent = text;
        const more = $("messageExtra");
        more.replaceChildren();
        if (extra)
            more.append(extra);
        const back = document.activeElement;
        box.onclose = () => back?.focus();
        box.showModal();
        (extra?.querySelector?.("input") ?? extra ?? $("messageOk")).focus?.();
        if (extra instanceof HTMLInputElement)
            extra.select();
    }
    const boxOpen = () => $("messageBox").open || $("progressBox").open;

    // ----- layout -------------------------------------------------------

    // The dialog's base units from the face the page got, as the window
    // takes them from its font.
    function baseUnits() {
        const probe = document.createElement("span");
        probe.textContent = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        probe.style.cssText = "position:absolute;visibility:hidden;white-space:pre";
        document.body.append(probe);
        const box = probe.getBoundingClientRect();
        probe.remove();
        return { x: Math.floor((box.width / 26 + 1) / 2), y: Math.round(box.height) };
    }

    // "&Add" as text with its mnemonic underlined; returns the letter.
    function putCaption(element, caption) {
        const at = caption.indexOf("&");
        if (at < 0 || at + 1 >= caption.length) {
            element.append(caption);
            return "";
        }
        const u = document.createElement("u");
        u.textContent = caption[at + 1];
        element.append(caption.slice(0, at), u, caption.slice(at + 2));
        return caption[at + 1].toLowerCase();
    }
    const plain = (caption) => caption.replace(/&(.)/, "$1");

    function build(template) {
        const units = baseUnits();
        const client = $("client");
        client.replaceChildren();
        client.style.width = `${Math.ceil((template.cx * units.x) / 4)}px`;
        client.style.height = `${Math.ceil((template.cy * units.y) / 8)}px`;
        let radioGroup = 0;
        let group = 0;
        items = template.items.map((item, index) => {
            const entry = { ...item, index, element: null, focusable: null, mnemonic: "", group: 0 };
            if (item.style & Style.Group)
                group += 1;
            entry.group = group;
            let element;
            switch (item.kind) {
            case "static":
                element = document.createElement("div");
                element.className = "static";
                entry.mnemonic = putCaption(element, item.caption);
                if (item.accessibleName)
                    element.setAttribute("aria-hidden", "true");
                break;
            case "group": {
                element = document.createElement("div");
                element.className = "group";
                const legend = document.createElement("span");
                entry.mnemonic = putCaption(legend, item.caption);
                element.append(legend);
                break;
            }
            case "edit":
                element = document.createElement("input");
                element.type = "text";
                element.className = "edit";
                element.inputMode = "numeric";
                element.autocomplete = "off";
                element.maxLength = kov.numberEditLength;
                entry.focusable = element;
                break;
            case "list":
                element = document.createElement("div");
                element.className = "list";
                element.setAttribute("role", "listbox");
                element.tabIndex = 0;
                entry.focusable = element;
                break;
            case "dropdown": {
                element = document.createElement("select");
                element.className = "dropdown";
                for (const text of template.lists[item.id] ?? [])
                    element.add(new Option(text, text));
                entry.focusable = element;
                break;
            }
            case "radio":
            case "check": {
                element = document.createElement("label");
                element.className = item.kind + (item.style & Style.LeftText ? " lefttext" : "");
                const input = document.createElement("input");
                input.type = item.kind === "radio" ? "radio" : "checkbox";
                if (item.kind === "radio") {
                    if (item.style & Style.Group)
                        radioGroup += 1;
                    input.name = `radios${radioGroup}`;
                }
                input.id = item.name;
                const text = document.createElement("span");
                entry.mnemonic = putCaption(text, item.caption);
                element.append(input, text);
                entry.focusable = input;
                break;
            }
            case "button":
                element = document.createElement("button");
                element.type = "button";
                element.className = "push" + (item.style & Style.DefPushButton ? " default" : "");
                entry.mnemonic = putCaption(element, item.caption);
                entry.focusable = element;
                break;
            default:
                element = document.createElement("div");
            }
            if (item.kind !== "radio" && item.kind !== "check")
                element.id = item.name;
            const control = entry.focusable ?? element;
            if (item.accessibleName)
                control.setAttribute("aria-label", item.accessibleName);
            if (item.style & Style.Hidden)
                element.hidden = true;
            if (item.style & Style.Disabled)
                control.disabled = true;
            Object.assign(element.style, {
                left: `${(item.x * units.x) / 4}px`,
                top: `${(item.y * units.y) / 8}px`,
                width: `${(item.cx * units.x) / 4}px`,
                // A drop-down list's height holds its dropped list.
                height: `${((item.kind === "dropdown" ? 12 : item.cy) * units.y) / 8}px`,
            });
            entry.element = element;
            client.append(element);
            return entry;
        });
        // A static text labels the control after it.
        items.forEach((entry, i) => {
            const next = items[i + 1];
            if (entry.kind === "static" && !entry.accessibleName && next?.focusable && !next.accessibleName)
                next.focusable.setAttribute("aria-label", plain(entry.caption));
            if (entry.kind === "group")
                entry.element.setAttribute("aria-hidden", "true");
        });
        $("m_listCombo").setAttribute("aria-describedby", "labelHeader");
    }

    // ----- the form -----------------------------------------------------

    const edit = (name) => $(name);
    const box = (name) => $(name);

    function selectByPrefix(select, prefix, fallback) {
        const index = Array.from(select.options).findIndex((o) => o.text.startsWith(prefix));
        select.selectedIndex = index >= 0 ? index : fallback;
    }

    function showEntry(e) {
        $("m_rdoCeil").checked = e.type === 1;
        $("m_rdoWall").checked = e.type === 2;
        $("m_rdoFloor").checked = e.type === 3;
        $("m_rdoExtra").checked = e.type === 4;
        setEditText("m_editDamage", String(e.damage));
        selectByPrefix(box("m_cmbKovRate"), e.kovRateText, KOV_DEFAULT_INDEX);
        $("m_chkUnDefence").checked = !!e.unDefence;
        // A core entry's 1.000 begins no item, so the list falls back to "0.990".
        selectByPrefix(box("m_cmbHitRate"), e.hitRateText, 0);
        box("m_cmbHitRate").disabled = !!e.core;
        selectByPrefix(box("m_cmbHitCount"), String(e.hitsLeft), 0);
        for (const [name, flag] of [["m_chkAirier", "airier"], ["m_chkCore", "core"],
            ["m_chkCounter", "counter"], ["m_chkDouble", "double"], ["m_chkLinkTrap", "linkTrap"],
            ["m_chkLongRange", "longRange"], ["m_chkRapidChain", "rapidChain"], ["m_chkOption", "option"]])
            $(name).checked = !!e[flag];
        const link = box("m_cmbLinkCount");
        if (e.linkTrap) {
            selectByPrefix(link, String(e.linkCount), -1);
            link.disabled = false;
        } else {
            link.selectedIndex = -1;
            link.disabled = true;
        }
        $("m_rdoOn").checked = !!e.calculate;
        $("m_rdoOff").checked = !e.calculate;
    }

    function resetForm() {
        $("m_listCombo").replaceChildren();
        $("m_rdoCeil").checked = true;
        $("m_rdoOn").checked = true;
        for (const name of ["m_chkUnDefence", "m_chkAirier", "m_chkCore", "m_chkCounter", "m_chkDouble",
            "m_chkLinkTrap", "m_chkLongRange", "m_chkRapidChain", "m_chkOption"])
            $(name).checked = false;
        for (const name of ["m_editHp", "m_editDef", "m_editDamage"])
            setEditText(name, "");
        box("m_cmbKovRate").selectedIndex = KOV_DEFAULT_INDEX;
        box("m_cmbHitRate").selectedIndex = 0;
        box("m_cmbHitCount").selectedIndex = 0;
        box("m_cmbHitRate").disabled = false;
        box("m_cmbLinkCount").selectedIndex = -1;
        box("m_cmbLinkCount").disabled = true;
    }

    // Text the program writes goes through the digit filter as typing does.
    function setEditText(name, text) {
        const e = edit(name);
        e.value = text;
        e.dataset.typed = "";
        filterDigits(e);
    }

    function filterDigits(e) {
        for (;;) {
            const text = e.value;
            const units = Array.from({ length: text.length }, (_, i) => text.charCodeAt(i));
            const step = kov.digitFilter(units);
            if (step.action === "store") {
                if (e.id === "m_editDamage")
                    wb.setEntry("damage", step.value);
                return;
            }
            if (step.action === "nothing")
                return;
            // Each cut is one pass and one beep, as the edit runs its filter
            // again on the shorter text.
            e.value = text.slice(0, step.keep);
            beep();
            e.setSelectionRange(step.keep, step.keep);
        }
    }

    function readNumber(name) {
        const digits = /^\d*/.exec(edit(name).value.slice(0, kov.digitFilterReadLength))[0];
        return digits === "" ? 0 : Number.parseInt(digits, 10);
    }
    const chosen = (name) => box(name).selectedIndex >= 0;
    const chosenText = (name) => (chosen(name) ? box(name).value : "");

    // The form check before Add, Modify and Theory/Real: beep and focus the
    // first field the core names.
    function formComplete() {
        const missing = kov.missingField({
            hpEmpty: edit("m_editHp").value === "",
            defEmpty: edit("m_editDef").value === "",
            damageEmpty: edit("m_editDamage").value === "",
            kovRateChosen: chosen("m_cmbKovRate"),
            hitRateChosen: chosen("m_cmbHitRate"),
            hitCountChosen: chosen("m_cmbHitCount"),
            linkCountChosen: chosen("m_cmbLinkCount"),
            core: $("m_chkCore").checked,
            linkTrap: $("m_chkLinkTrap").checked,
        });
        if (!missing)
            return true;
        beep();
        $(missing).focus();
        return false;
    }

    function capture() {
        return {
            hp: readNumber("m_editHp"),
            def: readNumber("m_editDef"),
            hitCount: Number.parseInt(chosenText("m_cmbHitCount") || "0", 10),
            kovRate: Number.parseFloat(chosenText("m_cmbKovRate") || "0"),
            hitRate: Number.parseFloat(chosenText("m_cmbHitRate") || "0"),
            linkCount: Number.parseInt(chosenText("m_cmbLinkCount") || "0", 10),
        };
    }

    // ----- applying the core's answer ------------------------------------

    function rebuildList() {
        const list = $("m_listCombo");
        list.replaceChildren(...wb.lines().map((line, i) => {
            const row = document.createElement("div");
            row.setAttribute("role", "option");
            row.setAttribute("aria-selected", "false");
            row.id = `m_listCombo-${i}`;
            row.textContent = line;
            return row;
        }));
        list.removeAttribute("aria-activedescendant");
    }

    function markSelected(line) {
        rows().forEach((row, i) => row.setAttribute("aria-selected", String(i === line)));
        const row = rows()[line];
        if (row) {
            $("m_listCombo").setAttribute("aria-activedescendant", row.id);
            row.scrollIntoView({ block: "nearest" });
        }
    }
    const selectedLine = () => rows().findIndex((row) => row.getAttribute("aria-selected") === "true");

    function apply(update) {
        if (update.beep)
            beep();
        if (update.resetForm)
            resetForm();
        if (update.rebuildList) {
            rebuildList();
            showEntry(wb.entry());
        }
        if (update.selectLine >= 0) {
            markSelected(update.selectLine);
            showEntry(wb.entry());
        }
        for (const [id, enabled] of Object.entries(update.buttons))
            $(id).disabled = !enabled;
        if (update.modeCaption !== null)
            $("m_btnTheory").textContent = update.modeCaption;
        if (update.showEnemyData) {
            const s = wb.state();
            setEditText("m_editHp", String(s.hp));
            setEditText("m_editDef", String(s.def));
        }
        if (update.focus)
            $(update.focus).focus();
    }

    // ----- commands -----------------------------------------------------

    const commands = {
        add() {
            if (formComplete())
                apply(wb.add(capture()));
        },
        modify() {
            if (!wb.canModify())
                return beep();
            if (formComplete())
                apply(wb.modify(capture()));
        },
        remove: () => apply(wb.remove(selectedLine())),
        clear: () => apply(wb.clear()),
        output() {
            const block = wb.report();
            try {
                localStorage.setItem(RESULTS_KEY, api.resultsTxt() + block);
                messageBox("Log Output", "Complete");
            } catch (error) {
                messageBox("Log Output", `The report could not be written to Results.Txt: ${error.message}`);
            }
        },
        down: () => apply(wb.move(selectedLine(), true)),
        up: () => apply(wb.move(selectedLine(), false)),
        theory() {
            if (formComplete())
                apply(wb.switchMode(readNumber("m_editHp"), readNumber("m_editDef")));
        },
        exit() {
            window.close();
            // A tab the person opened stays open: say so rather than do nothing.
            setTimeout(() => messageBox("Exit", "The browser keeps this tab open; close it to leave."), 100);
        },
        undo: () => apply(wb.undo()),
        redo: () => apply(wb.redo()),
        deleteLine: () => apply(wb.deleteLine(selectedLine())),
        duplicateLine: () => apply(wb.duplicateLine(selectedLine())),
        open: () => $("openPicker").click(),
        save() {
            download(openedName, wb.comboFile(), "application/json");
        },
        copyReport() {
            if (!wb.isEnabled("copyReport", selectedLine()))
                return beep();
            // Results.Txt keeps CR LF; the clipboard gets plain line ends.
            navigator.clipboard?.writeText(wb.report().replaceAll("\r\n", "\n")).catch(() => {});
        },
        bestOrder,
        shareLink() {
            const code = wb.shareCode();
            history.replaceState(null, "", `#${code}`);
            const link = document.createElement("input");
            link.className = "linkText";
            link.readOnly = true;
            link.value = location.href;
            link.setAttribute("aria-label", "Link");
            navigator.clipboard?.writeText(location.href).catch(() => {});
            messageBox("Share Link", "This link opens the combo as it is now:", link);
        },
        downloadResults: () => download("Results.Txt", api.resultsTxt(), "text/plain"),
        clearResults() {
            localStorage.removeItem(RESULTS_KEY);
            messageBox("Results.Txt", "Results.Txt is empty.");
        },
        about: () => messageBox("About - Kov Calculator", document.title),
    };

    function download(name, text, type) {
        const url = URL.createObjectURL(new Blob([text], { type }));
        const a = document.createElement("a");
        a.href = url;
        a.download = name;
        document.body.append(a);
        a.click();
        a.remove();
        setTimeout(() => URL.revokeObjectURL(url), 1000);
    }

    async function openPicked(file) {
        const text = await file.text();
        const result = wb.openText(text, file.name);
        if (result.error !== undefined)
            return messageBox("Open", `The file cannot be opened: ${result.error}`);
        openedName = file.name;
        apply(result.update);
    }

    function openLink(fragment) {
        if (!fragment)
            return;
        const result = wb.openShareCode(fragment);
        if (result.error !== undefined)
            return messageBox("Share Link", `This link cannot be opened: ${result.error}`);
        apply(result.update);
    }

    // The search's worker, started ahead of its first use.
    function startWorker() {
        worker = new Worker("bestorder-worker.js");
        api.workerReady = false;
        worker.onmessage = ({ data }) => {
            if (data.ready)
                api.workerReady = true;
        };
    }
    const whenIdle = (work) => (window.requestIdleCallback ? requestIdleCallback(work) : setTimeout(work, 0));

    // Best Order in a worker; Cancel ends it and the combo stays as it was.
    function bestOrder() {
        if (!wb.isEnabled("bestOrder", selectedLine()))
            return beep();
        if (!worker)
            startWorker();
        const progress = $("progressBox");
        const back = document.activeElement;
        const finish = () => {
            progress.close();
            back?.focus();
        };
        worker.onmessage = ({ data }) => {
            if (data.ready)
                return;
            finish();
            if (data.error !== undefined)
                return messageBox("Best Order", data.error);
            if (data.improved)
                apply(wb.takeBestOrder(data.combo));
            messageBox("Best Order", data.message);
        };
        $("progressCancel").onclick = () => {
            worker.terminate();
            worker = null;
            finish();
            whenIdle(() => worker ?? startWorker());
        };
        progress.oncancel = (event) => {
            event.preventDefault();
            $("progressCancel").click();
        };
        progress.showModal();
        $("progressCancel").focus();
        worker.postMessage({ combo: wb.comboFile() });
    }

    // ----- the window menu ----------------------------------------------

    function menuEntries() {
        const sel = selectedLine();
        const label = (verb, what) => (what ? `${verb} ${what}` : verb);
        return [
            ["menuUndo", label("&Undo", wb.undoLabel()), "Ctrl+Z", wb.isEnabled("undo", sel), "undo"],
            ["menuRedo", label("&Redo", wb.redoLabel()), "Ctrl+Shift+Z", wb.isEnabled("redo", sel), "redo"],
            null,
            ["menuDeleteLine", "&Delete Line", "Del", wb.isEnabled("deleteLine", sel), "deleteLine"],
            ["menuDuplicateLine", "D&uplicate Line", "Ctrl+D", wb.isEnabled("duplicateLine", sel), "duplicateLine"],
            null,
            ["menuOpen", "&Open...", "Ctrl+O", true, "open"],
            ["menuSave", "&Save", "Ctrl+S", true, "save"],
            null,
            ["menuCopyReport", "Copy Re&port", "Ctrl+Shift+C", wb.isEnabled("copyReport", sel), "copyReport"],
            ["menuBestOrder", "&Best Order", "Ctrl+B", wb.isEnabled("bestOrder", sel), "bestOrder"],
            ["menuShareLink", "S&hare Link", "", true, "shareLink"],
            null,
            ["menuDownloadResults", "Do&wnload Results.Txt", "", true, "downloadResults"],
            ["menuClearResults", "C&lear Results.Txt", "", true, "clearResults"],
            null,
            ["menuAbout", "&About Kov Calculator...", "", true, "about"],
        ];
    }

    function openMenu(x, y) {
        const menu = $("windowMenu");
        const back = document.activeElement;
        menu.replaceChildren();
        for (const entry of menuEntries()) {
            if (!entry) {
                menu.append(document.createElement("hr"));
                continue;
            }
            const [id, caption, keys, enabled, command] = entry;
            const item = document.createElement("button");
            item.type = "button";
            item.id = id;
            item.setAttribute("role", "menuitem");
            item.disabled = !enabled;
            const text = document.createElement("span");
            const letter = putCaption(text, caption);
            item.dataset.mnemonic = letter;
            const shortcut = document.createElement("span");
            shortcut.textContent = keys;
            item.append(text, shortcut);
            item.addEventListener("click", () => {
                closeMenu(null);
                commands[command]();
            });
            menu.append(item);
        }
        menu.hidden = false;
        menu.style.left = `${x + window.scrollX}px`;
        menu.style.top = `${y + window.scrollY}px`;
        $("windowMenuButton").setAttribute("aria-expanded", "true");
        menu.dataset.back = back?.id ?? "";
        menu.querySelector("button:not(:disabled)")?.focus();
    }

    function closeMenu(focusBack) {
        const menu = $("windowMenu");
        if (menu.hidden)
            return;
        menu.hidden = true;
        $("windowMenuButton").setAttribute("aria-expanded", "false");
        if (focusBack !== null)
            $(menu.dataset.back)?.focus();
    }

    function menuKey(event) {
        const menu = $("windowMenu");
        const entries = Array.from(menu.querySelectorAll("button:not(:disabled)"));
        const at = entries.indexOf(document.activeElement);
        if (event.key === "ArrowDown" || event.key === "ArrowUp") {
            const step = event.key === "ArrowDown" ? 1 : -1;
            entries[(at + step + entries.length) % entries.length]?.focus();
        } else if (event.key === "Escape" || event.key === "Tab") {
            closeMenu();
        } else if (event.key.length === 1 && !event.ctrlKey) {
            entries.find((e) => e.dataset.mnemonic === event.key.toLowerCase())?.click();
        } else {
            return;
        }
        event.preventDefault();
    }

    // ----- keyboard -----------------------------------------------------

    // Whether Tab could move the focus to this control now.
    function takesFocus(entry) {
        const c = entry.focusable;
        if (!c || c.disabled || entry.element.hidden)
            return false;
        if (c.type === "radio") {
            const group = items.filter((o) => o.focusable?.name === c.name);
            return c.checked || (!group.some((o) => o.focusable.checked) && group[0] === entry);
        }
        return true;
    }

    // A mnemonic of a text or frame moves the focus to the first following
    // control that takes it; a button's presses the button; a check box's or
    // radio button's focuses and clicks it.
    function mnemonic(letter) {
        const entry = items.find((o) => o.mnemonic === letter && !o.element.hidden);
        if (!entry)
            return false;
        if (entry.kind === "button") {
            if (!entry.focusable.disabled) {
                entry.focusable.focus();
                entry.focusable.click();
            }
            return true;
        }
        if (entry.kind === "radio" || entry.kind === "check") {
            entry.focusable.focus();
            entry.focusable.click();
            return true;
        }
        for (let step = 1; step <= items.length; step += 1) {
            const next = items[(entry.index + step) % items.length];
            if (takesFocus(next)) {
                next.focusable.focus();
                return true;
            }
        }
        return true;
    }

    // The arrow keys move round a group of check boxes or push buttons.
    function arrowInGroup(target, step) {
        const entry = items.find((o) => o.focusable === target);
        if (!entry || (entry.kind !== "check" && entry.kind !== "button"))
            return false;
        const members = items.filter((o) => o.group === entry.group && takesFocus(o));
        const at = members.indexOf(entry);
        if (members.length < 2 || at < 0)
            return true;
        members[(at + step + members.length) % members.length].focusable.focus();
        return true;
    }

    function listKey(event) {
        const count = rows().length;
        if (count === 0)
            return false;
        const page = Math.max(1, Math.floor($("m_listCombo").clientHeight / (rows()[0].offsetHeight || 1)) - 1);
        const at = selectedLine();
        const to = {
            ArrowDown: at < 0 ? 0 : at + 1,
            ArrowRight: at < 0 ? 0 : at + 1,
            ArrowUp: at < 0 ? 0 : at - 1,
            ArrowLeft: at < 0 ? 0 : at - 1,
            Home: 0,
            End: count - 1,
            PageDown: at + page,
            PageUp: at - page,
        }[event.key];
        if (to === undefined)
            return false;
        const line = Math.min(count - 1, Math.max(0, to));
        if (line !== at) {
            markSelected(line);
            apply(wb.selectLine(line));
        }
        return true;
    }

    function keydown(event) {
        if (boxOpen())
            return;
        const menu = $("windowMenu");
        if (!menu.hidden)
            return menuKey(event);
        const target = event.target;
        const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
        const ctrl = event.ctrlKey && !event.altKey;
        let handled = true;
        if (ctrl && key === "z" && !event.shiftKey && !editHasTyping(target)) commands.undo();
        else if (ctrl && ((key === "z" && event.shiftKey) || (key === "y" && !event.shiftKey)) && !editHasTyping(target)) commands.redo();
        else if (ctrl && key === "o") commands.open();
        else if (ctrl && key === "s") commands.save();
        else if (ctrl && event.shiftKey && key === "c") commands.copyReport();
        else if (ctrl && key === "b") commands.bestOrder();
        else if (ctrl && key === "d" && target.id === "m_listCombo") commands.duplicateLine();
        else if (key === "Delete" && target.id === "m_listCombo") commands.deleteLine();
        else if (event.altKey && !event.ctrlKey && key === " ") openMenuAt($("windowMenuButton"));
        else if (event.altKey && !event.ctrlKey && key.length === 1) handled = mnemonic(key);
        else if (key === "Enter" && !(target instanceof HTMLButtonElement)) {
            // Enter goes to the default button, Add.
            if (!$("m_btnAdd").disabled) commands.add();
        } else if (key === "Escape") commands.exit();
        else if (target.id === "m_listCombo") handled = listKey(event);
        else if (["ArrowDown", "ArrowRight", "ArrowUp", "ArrowLeft"].includes(key) && !event.altKey)
            handled = arrowInGroup(target, key === "ArrowDown" || key === "ArrowRight" ? 1 : -1);
        else handled = false;
        if (handled)
            event.preventDefault();
    }

    // An edit takes Ctrl+Z for its own typing while it has some.
    const editHasTyping = (target) => target instanceof HTMLInputElement && target.classList.contains("edit") && target.dataset.typed === "1";

    function openMenuAt(anchor) {
        const r = anchor.getBoundingClientRect();
        openMenu(r.left, r.bottom);
    }

    // ----- wiring -------------------------------------------------------

    function wire() {
        const on = (id, type, handler) => $(id).addEventListener(type, handler);
        for (const [id, command] of [["m_btnAdd", "add"], ["m_btnModify", "modify"], ["m_btnRemove", "remove"],
            ["m_btnClear", "clear"], ["m_btnOutput", "output"], ["m_btnDown", "down"], ["m_btnUp", "up"],
            ["m_btnTheory", "theory"], ["exitButton", "exit"]])
            on(id, "click", () => commands[command]());
        for (const name of ["m_editHp", "m_editDef", "m_editDamage"]) {
            on(name, "input", (event) => {
                event.target.dataset.typed = "1";
                filterDigits(event.target);
            });
        }
        for (const [id, type] of [["m_rdoCeil", 1], ["m_rdoWall", 2], ["m_rdoFloor", 3], ["m_rdoExtra", 4]])
            on(id, "change", () => wb.setEntry("type", type));
        on("m_rdoOn", "change", () => wb.setEntry("calculate", 1));
        on("m_rdoOff", "change", () => wb.setEntry("calculate", 0));
        for (const [id, field] of [["m_chkAirier", "airier"], ["m_chkCounter", "counter"], ["m_chkDouble", "double"],
            ["m_chkLongRange", "longRange"], ["m_chkRapidChain", "rapidChain"], ["m_chkOption", "option"],
            ["m_chkUnDefence", "unDefence"]])
            on(id, "change", (event) => wb.setEntry(field, event.target.checked ? 1 : 0));
        on("m_chkCore", "change", (event) => {
            wb.setEntry("core", event.target.checked ? 1 : 0);
            // A core hit always lands at rate 1.0; the list keeps its choice.
            box("m_cmbHitRate").disabled = event.target.checked;
        });
        on("m_chkLinkTrap", "change", (event) => {
            const ticked = event.target.checked;
            wb.setEntry("linkTrap", ticked ? 1 : 0);
            box("m_cmbLinkCount").disabled = !ticked;
            if (!ticked)
                box("m_cmbLinkCount").selectedIndex = -1;
        });
        on("m_listCombo", "click", (event) => {
            const row = event.target.closest("[role=option]");
            if (!row)
                return;
            const line = rows().indexOf(row);
            markSelected(line);
            apply(wb.selectLine(line));
        });
        on("m_listCombo", "contextmenu", (event) => {
            event.preventDefault();
            event.stopPropagation();
            openMenu(event.clientX, event.clientY);
        });
        on("dialog", "contextmenu", (event) => {
            event.preventDefault();
            openMenu(event.clientX, event.clientY);
        });
        on("windowMenuButton", "click", (event) => {
            if ($("windowMenu").hidden)
                openMenuAt(event.currentTarget);
            else
                closeMenu();
        });
        document.addEventListener("pointerdown", (event) => {
            if (!$("windowMenu").contains(event.target) && event.target.id !== "windowMenuButton")
                closeMenu(null);
        });
        document.addEventListener("keydown", keydown);
        on("openPicker", "change", (event) => {
            const file = event.target.files[0];
            event.target.value = "";
            if (file)
                openPicked(file);
        });
        window.addEventListener("hashchange", () => openLink(location.hash.slice(1)));
    }

    async function start() {
        kov = await createKovModule();
        wb = new kov.Workbench();
        const template = kov.mainTemplate();
        document.title = template.title;
        $("dialogTitle").textContent = template.title;
        build(template);
        wire();
        apply(wb.newCombo());
        openLink(location.hash.slice(1));
        api.ready = true;
        document.documentElement.dataset.ready = "true";
        performance.mark("kov-ready");
        whenIdle(() => worker ?? startWorker());
        api.openText = (text, name) => openPicked(new File([text], name));
        if ("serviceWorker" in navigator && location.protocol !== "file:")
            navigator.serviceWorker.register("sw.js").catch(() => {});
    }

    start();
})();
