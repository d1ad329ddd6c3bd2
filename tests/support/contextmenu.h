#pragma once

#include <QPoint>
#include <QStringList>

class QWidget;

// The texts of the entries of the context menu a widget opens when asked for one at a point,
// read while the menu is up, then the menu closed; empty when no menu opens.
QStringList contextMenuEntries(QWidget *owner, QPoint at = QPoint(10, 30));
