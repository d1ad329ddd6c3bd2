#pragma once

#include <QWidget>

class BillOfMaterials;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QTextBrowser;

// The list window's view of the technical specification of metal: the form and the two
// statements as the exports draw them, and above them what is kept with the list for them: the
// project's name and the sheet's title, the unit of the masses and the allowance line. Drawn
// anew after every change of the list or of these settings.
class SpecPanel : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpecPanel)

public:
    explicit SpecPanel(BillOfMaterials &list, QWidget *parent = nullptr);

    QTextBrowser *view() const { return m_view; }
    // The tables as shown, in plain text.
    QString text();
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *settingsRow();
    void draw();
    // The controls from the list's settings, and the settings from the controls.
    void showSettings();
    void takeSettings();

    BillOfMaterials &m_list;
    QLineEdit *m_project;
    QLineEdit *m_sheet;
    QComboBox *m_unit;
    QCheckBox *m_allowance;
    QLineEdit *m_allowanceCaption;
    QDoubleSpinBox *m_allowancePercent;
    QTextBrowser *m_view;
    bool m_stale = true;
};
