#pragma once

#include <QStringList>

class AppContext;
class QWidget;

// The printing commands of the main window's File menu and picture buttons; the
// print dialog runs the first two as well. Each opens its dialog modally over
// the owner, and brings the owner back to the front when it closes. Nothing of
// printing is made before one of them is used.
void OpenPageSetup(AppContext &context, QWidget *owner);
void OpenPrinterSetup(AppContext &context, QWidget *owner);
// The print dialog returns the files a completed print wrote.
QStringList OpenPrint(AppContext &context, QWidget *owner);
