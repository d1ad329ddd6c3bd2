#pragma once

#include "catalogue/panelnotes.h"

#include <QLabel>
#include <QList>
#include <QMetaObject>
#include <QPointer>

class QAbstractItemModel;
class QAbstractItemView;

// The note of the data panel: a text over the size grid's rows when the grid has none to show
// (PanelNotes says which), and the base's word on a table that holds only part of its standard
// as the tooltip of the panel. It lies in the grid's frame, over the grid's viewport, and lets
// every mouse event through, so the grid beneath keeps its clicks and its context menu.
class DataPanelNote : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DataPanelNote)

public:
    // Shows the start hint until told otherwise.
    explicit DataPanelNote(QAbstractItemView *grid);

    void showGroup();
    // A kind has been chosen and its table read: the note follows the grid's rows from now on
    // (whoever adds or removes them), and partial is the panel's tooltip.
    void showKind(const QString &standard, const QString &partial);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void followModel();
    void place();

    QAbstractItemView *m_grid;
    QPointer<QAbstractItemModel> m_model;
    QList<QMetaObject::Connection> m_modelConnections;
    PanelNotes::Stage m_stage = PanelNotes::Stage::Start;
    QString m_standard;
};
