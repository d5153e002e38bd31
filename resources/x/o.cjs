/* Corvanna's desk skin: quiet greys and one deep blue, for a window that is read all day.
   The window and its date frames keep the system's button face; this sheet shapes the
   controls on them. */

QGroupBox {
    border: 1px solid #a7b1bf;
    border-radius: 4px;
    margin-top: 8px;
    /* The caption stands on the window's face, which is the desktop's and may be dark. */
    color: palette(window-text);
}

QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 8px;
    padding: 0 4px;
    background-color: palette(window);
}

QPushButton {
    color: #17273a;
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #ffffff, stop: 1 #e2e8ef);
    border: 1px solid #8d99aa;
    border-radius: 4px;
    padding: 2px 12px;
}

QPushButton:hover {
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #ffffff, stop: 1 #d6e3f3);
    border-color: #3a6aa3;
}

QPushButton:pressed {
    background-color: #c8d8ec;
    border-color: #2c5689;
}

QPushButton:focus {
    border: 1px solid #2c5689;
}

QPushButton:disabled {
    color: #7d8896;
    background-color: #eceff3;
    border-color: #c0c7d0;
}

QTreeView {
    color: #17273a;
    background-color: #ffffff;
    border: 1px solid #8d99aa;
    selection-color: #ffffff;
    selection-background-color: #2c5689;
}

QHeaderView::section {
    color: #17273a;
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #f8fafc, stop: 1 #dde4ec);
    border: none;
    border-right: 1px solid #b8c1cd;
    border-bottom: 1px solid #8d99aa;
    padding: 3px 6px;
}

/* The date pickers keep the system's own drawing (with its drop-down arrow); only their
   selection takes the accent. */
QDateEdit {
    selection-color: #ffffff;
    selection-background-color: #2c5689;
}

QToolTip {
    color: #17273a;
    background-color: #fffbe8;
    border: 1px solid #a7b1bf;
    padding: 3px;
}
