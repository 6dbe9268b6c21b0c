#pragma once

class QDialog;
class QWidget;
class SharedDialogs;

// The one rule for a modal dialog opened from a window. It opens at its owner's
// scale and is resized as the main window is (Resizer). It opens only while the
// program goes on. When it returns, its owner is brought back to the front,
// unless the program is ending meanwhile (an import, or Yes in an error
// report): every window then goes with it and nothing more is shown.
// Returns the dialog's result; Rejected when it did not open.
int OpenModal(QDialog &dialog, QWidget *owner, const SharedDialogs &dialogs);

// The same return for a dialog the desktop shows (the printer setup).
void ReturnFromModal(QWidget *owner, const SharedDialogs &dialogs);
