// The page's own view over the DOM: it builds the windows' controls from the design tables, each
// with its design name as its element id, forwards their events to the presenters compiled to
// WebAssembly, and carries out the presenters' view calls. It decides nothing a presenter decides.
'use strict';

Module.onRuntimeInitialized = () => {
    const { Box, EditCommand, AmountInput, TextFont, KeyScope } = Module;
    const design = Module.form1Design();
    const twipsPerPixel = 15; // the design's 96 dots per inch
    const px = twips => Math.round(twips / twipsPerPixel);
    const twips = pixels => Math.floor(pixels * twipsPerPixel);
    const KEY_TAKEN = 1; // the key was the window's

    // An element with its attributes, properties (style as an object) and children.
    const make = (tag, attributes = {}, ...children) => {
        const element = document.createElement(tag);
        for (const [name, value] of Object.entries(attributes)) {
            if (name === 'style') {
                Object.assign(element.style, value);
            } else if (name in element && !name.includes('-')) {
                element[name] = value;
            } else {
                element.setAttribute(name, value);
            }
        }
        element.append(...children);
        return element;
    };
    // What a screen reader says of a control: the name and description the desktop windows give.
    const describe = (element, { accessibleName, accessibleDescription }) => {
        if (accessibleName) {
            element.setAttribute('aria-label', accessibleName);
        }
        if (accessibleDescription) {
            element.setAttribute('aria-description', accessibleDescription);
        }
        return element;
    };
    const placeAt = (element, place) =>
        Object.assign(element.style, {
            left: px(place.left) + 'px', top: px(place.top) + 'px',
            width: px(place.width) + 'px', height: px(place.height) + 'px',
        });

    // No system beep on the web: a short tone, counted for whoever checks (data-beeps).
    let audio = null;
    const beep = () => {
        document.body.dataset.beeps = Number(document.body.dataset.beeps || 0) + 1;
        try {
            audio = audio || new AudioContext();
            const tone = audio.createOscillator(), gain = audio.createGain();
            gain.gain.value = 0.05;
            tone.frequency.value = 880;
            tone.connect(gain).connect(audio.destination);
            tone.start();
            tone.stop(audio.currentTime + 0.08);
        } catch (e) {
            // No sound to be had: the count stands.
        }
    };

    // The kept choices: the browser's local storage, which a page may be denied (some browsers
    // refuse it to files, or in private windows). A value that cannot be read reads as none.
    const keyPrefix = 'qev-amount-words.';
    const store = {
        read(key) {
            try {
                return localStorage.getItem(keyPrefix + key);
            } catch (e) {
                return null;
            }
        },
        write(key, value) {
            try {
                localStorage.setItem(keyPrefix + key, value);
                return true;
            } catch (e) {
                return false;
            }
        },
    };

    // The clipboard. Reading it needs the browser's leave, asked when the clerk pastes from a
    // menu; a paste key brings its text with the paste event. Writing goes through
    // navigator.clipboard where the page may use it, which answers later, and otherwise through
    // the copy command, which a page opened from a file can still use; `refused` hears of a copy
    // that failed after all.
    let pasted = null; // the clipboard's text, while a paste is under way
    const clipboardText = () =>
        pasted !== null ? pasted : navigator.clipboard && navigator.clipboard.readText ? '' : null;
    const copyByCommand = text => {
        const put = event => {
            event.clipboardData.setData('text/plain', text);
            event.preventDefault();
        };
        document.addEventListener('copy', put, true);
        try {
            return document.execCommand('copy');
        } catch (e) {
            return false;
        } finally {
            document.removeEventListener('copy', put, true);
        }
    };
    const writeClipboard = (text, refused) => {
        if (navigator.clipboard && navigator.clipboard.writeText) {
            navigator.clipboard.writeText(text).catch(() => copyByCommand(text) || refused());
            return true;
        }
        return copyByCommand(text);
    };
    const readClipboard = () =>
        navigator.clipboard && navigator.clipboard.readText
            ? navigator.clipboard.readText()
            : Promise.reject(new Error('no clipboard to read'));
    // A paste event's text, handed to `paste` as the clipboard's.
    const onPaste = (element, paste) =>
        element.addEventListener('paste', event => {
            event.preventDefault();
            const data = event.clipboardData;
            pasted = data && data.types.includes('text/plain') ? data.getData('text/plain') : null;
            try {
                paste();
            } finally {
                pasted = null;
            }
        });

    // The window's keys: the letter keys by their place on the keyboard, Backspace and Insert;
    // Command counts as Ctrl, as Macs use it.
    const strokeOf = event => {
        const letter = /^Key([A-Z])$/.exec(event.code);
        const key = letter ? letter[1].charCodeAt(0)
            : event.key === 'Backspace' ? design.backspaceKey
            : event.key === 'Insert' ? design.insertKey : 0;
        return key ? [key, event.ctrlKey || event.metaKey, event.shiftKey, event.altKey] : null;
    };

    // A menu of entries as a presenter gives them, shown at (x, y) in the page, reached by the
    // keyboard as a desktop menu is; `choose` takes the entry chosen.
    let openMenu = null;
    const closeMenu = () => {
        if (openMenu) {
            const { root, returnTo } = openMenu;
            openMenu = null;
            root.remove();
            returnTo.focus();
        }
    };
    // "撤消(&U)": the letter after "&" underlined and taken as the entry's key; "&&" shows one "&".
    const captionOf = text => {
        const caption = make('span', { className: 'caption' });
        let mnemonic = '';
        for (let i = 0; i < text.length; ++i) {
            if (text[i] === '&' && text[i + 1] === '&') {
                caption.append('&');
                ++i;
            } else if (text[i] === '&' && i + 1 < text.length) {
                mnemonic = text[++i].toUpperCase();
                caption.append(make('u', {}, text[i]));
            } else {
                caption.append(text[i]);
            }
        }
        return { caption, mnemonic };
    };
    const showMenu = (entries, x, y, returnTo, choose) => {
        closeMenu();
        const root = make('div', { className: 'menus' });
        const list = (items, left, top, parent) => {
            const menu = make('ul', { className: 'menu', role: 'menu', tabIndex: -1 });
            menu.parentItem = parent;
            for (const entry of items) {
                if (entry.action === null && entry.submenu.length === 0) {
                    menu.append(make('li', { role: 'separator' }));
                    continue;
                }
                const [label, key] = entry.caption.split('\t');
                const { caption, mnemonic } = captionOf(label);
                const item = make('li', {
                    role: entry.chosen === null ? 'menuitem' : 'menuitemradio', tabIndex: -1,
                }, make('span', { className: 'check' }, entry.chosen ? '✓' : ''), caption,
                make('span', { className: 'key' }, key || (entry.submenu.length ? '▸' : '')));
                item.mnemonic = mnemonic;
                if (entry.chosen !== null) {
                    item.setAttribute('aria-checked', entry.chosen);
                }
                if (!entry.enabled) {
                    item.setAttribute('aria-disabled', 'true');
                }
                if (entry.submenu.length) {
                    item.setAttribute('aria-haspopup', 'menu');
                    item.open = () => {
                        if (!item.submenu) {
                            const box = item.getBoundingClientRect();
                            item.submenu = list(entry.submenu, box.right, box.top, item);
                            item.setAttribute('aria-expanded', 'true');
                        }
                        return item.submenu;
                    };
                } else if (entry.enabled) {
                    item.choose = () => {
                        closeMenu();
                        choose(entry);
                    };
                }
                menu.append(item);
            }
            root.append(menu);
            // Within the page: a menu that would pass its right or bottom edge moves back.
            const width = menu.offsetWidth, height = menu.offsetHeight;
            const view = document.documentElement;
            menu.style.left = Math.max(0, Math.min(left, view.clientWidth - width)) + 'px';
            menu.style.top = Math.max(0, Math.min(top, view.clientHeight - height)) + 'px';
            return menu;
        };
        // Closes the submenus below `menu`.
        const closeBelow = menu => {
            for (const item of menu.querySelectorAll(':scope > li')) {
                if (item.submenu) {
                    closeBelow(item.submenu);
                    item.submenu.remove();
                    item.submenu = null;
                    item.removeAttribute('aria-expanded');
                }
            }
        };
        const items = menu => [...menu.querySelectorAll(':scope > li:not([role=separator])')];
        const activate = item => {
            if (item.open) {
                const submenu = item.open();
                (items(submenu)[0] || submenu).focus();
            } else if (item.choose) {
                item.choose();
            }
        };
        root.addEventListener('pointerover', event => {
            const item = event.target.closest('li[tabindex]');
            if (item) {
                closeBelow(item.parentElement);
                item.focus();
                if (item.open && item.getAttribute('aria-disabled') !== 'true') {
                    item.open();
                }
            }
        });
        root.addEventListener('click', event => {
            const item = event.target.closest('li[tabindex]');
            if (item) {
                activate(item);
            }
        });
        root.addEventListener('contextmenu', event => event.preventDefault());
        root.addEventListener('keydown', event => {
            const item = event.target.closest('li');
            const menu = event.target.closest('ul');
            const all = items(menu);
            const at = all.indexOf(item);
            const move = step => all[(at + step + all.length) % all.length].focus();
            event.preventDefault();
            event.stopPropagation();
            if (event.key === 'ArrowDown') {
                move(1);
            } else if (event.key === 'ArrowUp') {
                move(at < 0 ? 0 : -1);
            } else if (event.key === 'ArrowRight' && item && item.open) {
                activate(item);
            } else if ((event.key === 'ArrowLeft' || event.key === 'Escape') && menu.parentItem) {
                closeBelow(menu.parentItem.parentElement);
                menu.parentItem.focus();
            } else if (event.key === 'Escape' || event.key === 'Tab') {
                closeMenu();
            } else if ((event.key === 'Enter' || event.key === ' ') && item) {
                activate(item);
            } else {
                const named = all.find(entry => entry.mnemonic === event.key.toUpperCase());
                if (named) {
                    named.focus();
                    activate(named);
                }
            }
        });
        document.body.append(root);
        openMenu = { root, returnTo };
        list(entries, x, y, null).focus();
    };
    document.addEventListener('pointerdown', event => {
        if (openMenu && !openMenu.root.contains(event.target)) {
            closeMenu();
        }
    }, true);

    // The form's size: the page's width within the design's minimum and a readable maximum, the
    // design's height; a screen narrower than the minimum shows the whole form scaled down.
    const fitted = [];
    const fit = (window, minWidth, maxWidth, height, placed) => {
        const available = document.body.clientWidth;
        const scale = Math.min(1, available / minWidth);
        const width = Math.max(minWidth, Math.min(maxWidth, available / scale));
        Object.assign(window.style, {
            width: width + 'px', height: height + 'px', transform: `scale(${scale})`,
            marginBottom: (height * scale - height) + 'px', marginRight: (width * scale - width) + 'px',
        });
        window.scale = scale;
        placed(width);
    };
    // The page's width changes with the browser's window, and with a scroll bar come or gone.
    new ResizeObserver(() => fitted.forEach(refit => refit())).observe(document.body);

    // ---- The main window ----
    const form1 = document.getElementById('Form1');
    form1.setAttribute('aria-label', design.title);
    const controls = {};
    const built = [];
    let composing = false;
    let minimumWidth = px(design.clientWidth);
    for (const [order, control] of design.controls.entries()) {
        const id = control.index >= 0 ? `${control.name}_${control.index}` : control.name;
        let element;
        switch (control.kind) {
        case 'Label':
            element = make('span', { className: 'label' }, control.text);
            if (control.name === 'Label3') { // the statement link
                Object.assign(element, { role: 'link', tabIndex: 0 });
            }
            break;
        case 'PictureBox':
            element = make('div');
            break;
        case 'Button':
            element = make('button', { type: 'button' }, control.text);
            break;
        case 'ResultBox':
            element = make('textarea', { spellcheck: false });
            break;
        case 'AmountBox':
            element = make('input', { type: 'text', inputMode: 'decimal', autocomplete: 'off' });
            break;
        case 'StatusBar':
            element = make('div', {},
                describe(make('span', { id: 'StatusBar1Panel', role: 'link', tabIndex: 0,
                    style: { width: px(design.statusPanelWidth) + 'px' } }, design.statusPanelText),
                    design.statusPanel),
                make('span', { id: 'StatusBar1Note', role: 'status' }));
            break;
        case 'CurrencyList':
            element = make('input', {
                type: 'text', role: 'combobox', autocomplete: 'off', spellcheck: false,
                'aria-expanded': 'false', 'aria-controls': 'Combo1List', 'aria-autocomplete': 'none',
            });
            break;
        }
        element.id = id;
        describe(element, control);
        if (control.songFace) {
            element.classList.add('song');
        }
        if (control.underline) {
            element.classList.add('underline');
        }
        // The controls built later lie above the earlier ones, as in the design; the order of
        // the page is the design's tab order, but for the status bar, which takes no focus on
        // the desktops: its link comes last.
        const placed = control.kind === 'CurrencyList'
            ? make('div', { id: 'Combo1Box' }, element,
                make('span', { className: 'drop', 'aria-hidden': 'true' }, '▾'),
                make('ul', { id: 'Combo1List', className: 'song', role: 'listbox', hidden: true,
                    'aria-label': control.accessibleName }))
            : element;
        placed.style.zIndex = order;
        if (control.kind !== 'StatusBar') {
            placeAt(placed, control.place);
        }
        controls[id] = element;
        built.push([control, placed]);
    }
    const tabOrder = control => (control.kind === 'StatusBar' ? Infinity : control.tabPosition);
    for (const [control, placed] of built.sort((a, b) => tabOrder(a[0]) - tabOrder(b[0]))) {
        (control.name === 'Label3' ? controls.Picture1 : form1).append(placed);
    }
    const { Text1, Text2, Combo1, Label3, Picture1, StatusBar1 } = controls;
    const Combo1Box = document.getElementById('Combo1Box');
    const Combo1List = document.getElementById('Combo1List');
    const statusNote = document.getElementById('StatusBar1Note');
    // The result read out as it changes, beside the box that holds it.
    const resultSpoken = make('div', { id: 'Text2Live', className: 'unseen', 'aria-live': 'polite' });
    const formats = make('button', { type: 'button', id: 'Formats', 'aria-haspopup': 'menu' },
        '英文格式');
    form1.after(make('div', { className: 'toolbar' }, formats), resultSpoken);
    document.title = design.title;

    const box = which => (which === Box.Amount ? Text1 : Text2);
    const measure = document.createElement('canvas').getContext('2d');
    let entries = [];
    let chosen = -1, active = -1; // the entry chosen, and the one marked in the open list
    let noteTimer = 0;

    // The main window's view, on the page.
    const page = {
        text: which => box(which).value,
        setText(which, text) {
            box(which).value = text;
            if (which === Box.Result) {
                resultSpoken.textContent = Text2.value;
            }
        },
        selectionIn(which) {
            const { selectionStart: start, selectionEnd: end, selectionDirection } = box(which);
            return selectionDirection === 'backward' ? [end, start] : [start, end];
        },
        selectAmount(anchor, caret) {
            Text1.setSelectionRange(Math.min(anchor, caret), Math.max(anchor, caret),
                anchor > caret ? 'backward' : 'forward');
        },
        edit(which, command) {
            const element = box(which);
            element.focus();
            if (command === EditCommand.SelectAll) {
                element.select();
            } else if (command === EditCommand.Paste) {
                // The result box's: the amount box's pastes are the presenter's own.
                if (pasted !== null && form.Text2_Insert(pasted.length)) {
                    document.execCommand('insertText', false, pasted);
                }
            } else {
                const names = new Map([[EditCommand.Undo, 'undo'], [EditCommand.Redo, 'redo'],
                    [EditCommand.Cut, 'cut'], [EditCommand.Copy, 'copy'],
                    [EditCommand.Delete, 'delete']]);
                document.execCommand(names.get(command));
            }
        },
        // Whether the browser's own undo has a step, where it says.
        canUndo: which => queryEnabled(which, 'undo'),
        canRedo: which => queryEnabled(which, 'redo'),
        setCurrencyEntries(texts) {
            entries = texts;
            Combo1List.replaceChildren(...texts.map((text, index) =>
                make('li', { id: `Combo1List_${index}`, role: 'option', 'aria-selected': 'false' },
                    text)));
        },
        currencyIndex: () => chosen,
        setCurrencyIndex(index) {
            markChosen(index);
            Combo1.value = entries[index];
        },
        currencyFieldText: () => Combo1.value,
        selectCurrencyField(anchor, caret) {
            Combo1.setSelectionRange(Math.min(anchor, caret), Math.max(anchor, caret),
                anchor > caret ? 'backward' : 'forward');
            Combo1.scrollLeft = 0;
        },
        // As wide as that, or as the field, whichever is wider.
        setCurrencyDropWidth: width => { Combo1List.style.width = `max(100%, ${px(width)}px)`; },
        currencyListScreenRoom: () => twips((document.documentElement.clientWidth -
            Combo1Box.getBoundingClientRect().left) / form1.scale),
        textWidth(text, font) {
            measure.font = getComputedStyle(font === TextFont.CurrencyList ? Combo1List : StatusBar1).font;
            return twips(measure.measureText(text).width);
        },
        scrollBarWidth: () => twips(Text2.offsetWidth - Text2.clientWidth - 2),
        windowSize: () => ({
            width: twips(form1.offsetWidth) + design.frameWidth,
            height: twips(form1.offsetHeight) + design.frameHeight,
        }),
        setWindowSize: width => { form1.style.width = px(width - design.frameWidth) + 'px'; },
        focusAmountBox: () => Text1.focus(),
        setMinimumSize: width => { minimumWidth = px(width - design.frameWidth); },
        placeBoxes(place) {
            if (place.text1Width !== null) {
                Text1.style.width = px(place.text1Width) + 'px';
            }
            Combo1Box.style.left = px(place.combo1Left) + 'px';
            if (place.text2Width !== null && place.text2Height !== null) {
                Text2.style.width = px(place.text2Width) + 'px';
                Text2.style.height = px(place.text2Height) + 'px';
            }
        },
        beep,
        showStatusNote(note) {
            statusNote.textContent = note;
            StatusBar1.classList.add('noting');
            clearTimeout(noteTimer);
            noteTimer = setTimeout(() => StatusBar1.classList.remove('noting'),
                design.noteMilliseconds);
        },
        clipboardText,
        setClipboardText: text => writeClipboard(text, () => form.ClipboardRefused()),
        setLinkLook(colour, italic) {
            Label3.style.color = colour;
            Label3.style.fontStyle = italic ? 'italic' : 'normal';
        },
        statementWindow: () => makeStatementWindow(),
        batchWindow: choices => makeBatchWindow(choices),
    };
    const queryEnabled = (which, command) => {
        try {
            return document.activeElement === box(which) && document.queryCommandEnabled(command);
        } catch (e) {
            return true;
        }
    };
    const form = new Module.Form1(page, store);

    // The boxes: the amount box's edits as the clerk makes them, its pastes judged first; both
    // boxes' menus.
    const inputKinds = new Map([
        ['insertFromDrop', AmountInput.Drop], ['insertFromPaste', AmountInput.Paste],
        ['deleteByCut', AmountInput.Cut], ['insertCompositionText', AmountInput.InputMethodText],
        ['insertFromComposition', AmountInput.InputMethodText],
    ]);
    Text1.addEventListener('beforeinput', event => {
        // The browser's own undo, from its menus: the amount box's history is the presenter's.
        if (event.inputType === 'historyUndo' || event.inputType === 'historyRedo') {
            event.preventDefault();
            form.keyDown(KeyScope.AmountBox, event.inputType === 'historyUndo' ? 90 : 89, true,
                false, false);
        } else if (!composing) {
            form.Text1_BeforeEdit(inputKinds.get(event.inputType) ||
                (event.inputType.startsWith('insert') || event.inputType.startsWith('delete')
                    ? AmountInput.Key : AmountInput.Other));
        }
    });
    // An input method's text counts once it is committed.
    Text1.addEventListener('compositionstart', () => {
        composing = true;
        form.Text1_BeforeEdit(AmountInput.InputMethodText);
    });
    Text1.addEventListener('compositionend', () => {
        composing = false;
        form.Text1_Change();
    });
    Text1.addEventListener('input', event => composing || event.isComposing || form.Text1_Change());
    onPaste(Text1, () => form.Text1_Paste());
    // What is pasted or dropped into the result box goes in only when the presenter takes it.
    for (const kind of ['paste', 'drop']) {
        Text2.addEventListener(kind, event => {
            const data = kind === 'paste' ? event.clipboardData : event.dataTransfer;
            if (data && !form.Text2_Insert(data.getData('text/plain').length)) {
                event.preventDefault();
            }
        });
    }
    const showBoxMenu = (which, x, y) => {
        showMenu(form.menuEntries(which), x, y, box(which), entry => {
            const chosenEntry = () => form.menuEntryChosen(which, entry.action);
            if (!entry.pastes) {
                chosenEntry();
                return;
            }
            readClipboard().then(text => {
                pasted = text;
                try {
                    chosenEntry();
                } finally {
                    pasted = null;
                }
            }, beep);
        });
    };
    for (const [element, which] of [[Text1, Box.Amount], [Text2, Box.Result]]) {
        element.addEventListener('contextmenu', event => {
            event.preventDefault();
            // From the keyboard (the menu key, Shift+F10) the menu opens at the box's corner.
            const at = event.button < 0 || (event.clientX === 0 && event.clientY === 0)
                ? element.getBoundingClientRect() : { left: event.clientX, bottom: event.clientY };
            showBoxMenu(which, at.left, at.bottom);
        });
    }
    formats.addEventListener('click', () => {
        const at = formats.getBoundingClientRect();
        showBoxMenu(Box.Result, at.left, at.bottom);
    });

    // The window's keys, wherever the focus is in the main window or the batch panel; the paste
    // keys go on to the browser, whose paste event brings the clipboard's text.
    document.addEventListener('keydown', event => {
        const stroke = strokeOf(event);
        if (!stroke || openMenu || event.target.closest('dialog')) {
            return;
        }
        const batch = event.target.closest('#Form3');
        const answer = batch
            ? batch.form.keyDown(event.target.id === 'Form3_Text1' ? KeyScope.BatchAmounts
                : KeyScope.BatchWindow, ...stroke)
            : form.keyDown(event.target === Text1 ? KeyScope.AmountBox : KeyScope.Window, ...stroke);
        if (answer === KEY_TAKEN) {
            event.preventDefault();
        }
    });

    // The currency list: a field to type into, and the list of entries it drops down.
    const markChosen = index => {
        const old = Combo1List.children[chosen];
        if (old) {
            old.setAttribute('aria-selected', 'false');
        }
        chosen = index;
        Combo1List.children[index].setAttribute('aria-selected', 'true');
    };
    const markActive = index => {
        const old = Combo1List.children[active];
        if (old) {
            old.classList.remove('active');
        }
        active = Math.max(0, Math.min(entries.length - 1, index));
        const item = Combo1List.children[active];
        item.classList.add('active');
        item.scrollIntoView({ block: 'nearest' });
        Combo1.setAttribute('aria-activedescendant', item.id);
    };
    const dropDown = open => {
        if (open === !Combo1List.hidden) {
            return;
        }
        if (open) {
            form.Combo1_DropDown();
        }
        Combo1List.hidden = !open;
        Combo1.setAttribute('aria-expanded', String(open));
        if (open) {
            markActive(chosen);
        } else {
            Combo1.removeAttribute('aria-activedescendant');
        }
    };
    const chooseEntry = index => {
        dropDown(false);
        page.setCurrencyIndex(index);
        form.Combo1_Click();
    };
    Combo1.addEventListener('keydown', event => {
        const open = !Combo1List.hidden;
        const step = { ArrowDown: 1, ArrowUp: -1, PageDown: 10, PageUp: -10 }[event.key];
        if ((event.altKey && event.key === 'ArrowDown') || event.key === 'F4') {
            dropDown(!open);
        } else if (step && open) {
            markActive(active + step);
        } else if (step) { // as a closed list's arrows do: the next entry, chosen at once
            chooseEntry(Math.max(0, Math.min(entries.length - 1, chosen + step)));
        } else if (event.key === 'Enter') {
            open ? chooseEntry(active) : form.Combo1_EnterPressed();
        } else if (event.key === 'Escape' && open) {
            dropDown(false);
        } else {
            return;
        }
        event.preventDefault();
    });
    Combo1.addEventListener('input', () => dropDown(false));
    Combo1.addEventListener('focus', () => form.Combo1_GotFocus());
    Combo1.addEventListener('blur', () => {
        dropDown(false);
        form.Combo1_LostFocus();
    });
    // Pressing on the list or its arrow keeps the focus in the field.
    Combo1Box.addEventListener('mousedown', event => {
        if (event.target !== Combo1) {
            event.preventDefault();
        }
    });
    Combo1Box.querySelector('.drop').addEventListener('click', () => {
        Combo1.focus();
        dropDown(Combo1List.hidden);
    });
    Combo1List.addEventListener('click', event => {
        const item = event.target.closest('li');
        if (item) {
            chooseEntry([...Combo1List.children].indexOf(item));
        }
    });

    // The case buttons, the statement link and the status bar's panel.
    for (let index = 0; index < 3; ++index) {
        controls[`Command1_${index}`].addEventListener('click', () => form.Command1_Click(index));
    }
    const buttonOf = event => [1, 4, 2][event.button] || 0; // the design's: left 1, right 2, middle 4
    Label3.addEventListener('pointermove', event => {
        event.stopPropagation();
        form.Label3_MouseMove();
    });
    Label3.addEventListener('pointerdown', event => {
        Label3.setPointerCapture(event.pointerId);
        form.Label3_MouseDown(buttonOf(event));
    });
    Label3.addEventListener('pointerup', () => form.Label3_MouseUp());
    Label3.addEventListener('pointerleave', () => form.Label3_MouseLeave());
    Label3.addEventListener('contextmenu', event => event.preventDefault());
    Picture1.addEventListener('pointermove', () => form.Picture1_MouseMove());
    const statusPanel = document.getElementById('StatusBar1Panel');
    statusPanel.addEventListener('click', () => form.StatusBar1_PanelClick());
    // The links from the keyboard: Enter or Space as a left click.
    const keyClick = (element, click) => element.addEventListener('keydown', event => {
        if (event.key === 'Enter' || event.key === ' ') {
            event.preventDefault();
            click();
        }
    });
    keyClick(Label3, () => {
        form.Label3_MouseDown(1);
        form.Label3_MouseUp();
    });
    keyClick(statusPanel, () => form.StatusBar1_PanelClick());

    // ---- The statement window: a dialog, built anew at each opening ----
    const design2 = Module.form2Design();
    const picture = URL.createObjectURL(new Blob([design2.picture.slice()], { type: 'image/jpeg' }));
    const makeStatementWindow = () => {
        const client = make('div', { className: 'client song2' });
        Object.assign(client.style, {
            width: px(design2.clientWidth) + 'px', height: px(design2.clientHeight) + 'px',
            fontSize: design2.songFacePoints + 'pt',
        });
        const dialog = make('dialog', { id: 'Form2', 'aria-label': design2.title },
            make('div', { className: 'titlebar' }, design2.title), client);
        const parts = {};
        for (const control of design2.controls) {
            const id = control.index >= 0 ? `${control.name}_${control.index}` : control.name;
            const element = control.kind === 'Frame' ? make('fieldset')
                : control.kind === 'Picture' ? make('img', { src: picture, alt: '' })
                : control.kind === 'Button' ? make('button', { type: 'button' }, control.text)
                : control.kind === 'Address'
                    ? make('span', { role: 'link', tabIndex: 0, style: { color: design2.addressColour } },
                        control.text)
                    : make('span', {}, control.text);
            element.id = id;
            if (control.kind === 'Picture') {
                element.alt = control.accessibleName;
            } else {
                describe(element, control);
            }
            placeAt(element, control.place);
            (control.kind === 'StatementLine' || control.kind === 'Address' ? parts.Frame1 : client)
                .append(element);
            parts[id] = element;
        }
        document.body.append(dialog);
        const view = {
            showRestoredInFront() {
                if (!dialog.open) {
                    dialog.show();
                }
                parts.Command1.focus();
            },
            close: () => dialog.close(),
        };
        const window2 = new Module.Form2(view);
        parts.Command1.addEventListener('click', () => window2.Command1_Click());
        parts.Image1.addEventListener('click', () => window2.Image1_Click());
        parts.Label4.addEventListener('click', () => window2.Label4_Click());
        keyClick(parts.Label4, () => window2.Label4_Click());
        dialog.addEventListener('keydown', event => {
            if (event.key === 'Escape') {
                dialog.close();
            }
        });
        // Closed by 确定 or by Escape: gone, and made anew at the next opening.
        dialog.addEventListener('close', () => {
            dialog.remove();
            window2.delete();
            Label3.focus();
        });
        return window2;
    };

    // ---- The batch window: a panel below the main window, built anew at each opening ----
    const design3 = Module.form3Design();
    const rowHeight = 16; // the columns' line height, in pixels
    const makeBatchWindow = choices => {
        const client = make('div', { className: 'window batch' });
        const close = make('button', { type: 'button', className: 'close', 'aria-label': '关闭' }, '×');
        const panel = make('section', { id: 'Form3', 'aria-label': design3.title },
            make('div', { className: 'titlebar' }, make('h2', {}, design3.title), close), client);
        const parts = {};
        for (const control of design3.controls) {
            const element = control.kind === 'Label' ? make('span', { className: 'label' }, control.text)
                : control.kind === 'AmountColumn' || control.kind === 'ResultColumn'
                    ? make('textarea', { wrap: 'off', spellcheck: false })
                : control.kind === 'CheckBox'
                    ? make('label', {}, make('input', { type: 'checkbox' }), control.text)
                : control.kind === 'Button' ? make('button', { type: 'button' }, control.text)
                : make('div', { role: 'status' });
            element.id = 'Form3_' + control.name;
            describe(control.kind === 'CheckBox' ? element.firstChild : element, control);
            parts[control.name] = element;
            client.append(element);
        }
        const { Text1: amounts, Text2: results, Check1, Command1, StatusBar1: status } = parts;
        results.readOnly = true;
        form1.parentNode.append(panel);
        const refit = () => fit(client, px(design3.minClientWidth), 1000, px(design3.clientHeight),
            width => {
                for (const control of design3.controls) {
                    placeAt(parts[control.name], Module.form3Place(control.name, twips(width),
                        design3.clientHeight));
                }
            });
        const view = {
            showRestoredInFront() {
                panel.scrollIntoView({ block: 'nearest' });
                amounts.focus();
            },
            amounts: () => amounts.value,
            replaceResults(first, count, rows) {
                const text = results.value;
                const lineStart = (from, lines) => {
                    for (let i = 0; i < lines; ++i) {
                        from = text.indexOf('\n', from) + 1;
                    }
                    return from;
                };
                const start = lineStart(0, first);
                const next = text.indexOf('\n', lineStart(start, count - 1));
                results.value = text.slice(0, start) + rows + (next < 0 ? '' : text.slice(next));
            },
            scrollAmountsTo: row => { amounts.scrollTop = row * rowHeight; },
            scrollResultsTo: row => { results.scrollTop = row * rowHeight; },
            showStatus: text => { status.textContent = text; },
            pasteIntoAmounts() {
                amounts.setRangeText(pasted, amounts.selectionStart, amounts.selectionEnd, 'end');
                window3.Text1_Change();
            },
            beep,
            clipboardText,
            setClipboardText: rows => writeClipboard(rows, beep),
        };
        const window3 = new Module.Form3(view, choices);
        panel.form = window3;
        amounts.addEventListener('input', () => window3.Text1_Change());
        onPaste(amounts, () => window3.Text1_Paste());
        amounts.addEventListener('scroll', () =>
            window3.Text1_Scroll(Math.round(amounts.scrollTop / rowHeight)));
        results.addEventListener('scroll', () =>
            window3.Text2_Scroll(Math.round(results.scrollTop / rowHeight)));
        Check1.firstChild.addEventListener('change', event => window3.Check1_Click(event.target.checked));
        Command1.addEventListener('click', () => window3.Command1_Click());
        close.addEventListener('click', () => {
            fitted.splice(fitted.indexOf(refit), 1);
            panel.remove();
            window3.delete();
            Text1.focus();
        });
        fitted.push(refit);
        refit();
        return window3;
    };

    // Start: the window's choices and list, its size, the focus in the currency list as the
    // desktop windows start.
    form.Form_Load();
    fitted.push(() => fit(form1, minimumWidth, 1000, px(design.clientHeight), () => form.Form_Resize()));
    fitted[0]();
    Combo1.focus();
    document.body.classList.add('ready');
};
