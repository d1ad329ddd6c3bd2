#include "ownsizes/ownsizedialog.h"

#include "ui/twips.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The dialog's measures, in twips: the fields are as wide as the widest grid columns; the
// captions take the width of the longest column name.
constexpr int FieldWidth = 2400;
constexpr int Margin = 180;

} // namespace

OwnSizeDialog::OwnSizeDialog(SizeEntry entry, const QString &title, const QString &kindTitle,
                             QWidget *parent)
    : QDialog(parent)
    , m_entry(std::move(entry))
{
    setObjectName(QStringLiteral("OwnSizeDialog"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own does not take the main window's font by itself.
    if (parent)
        setFont(parent->font());

    auto *layout = new QVBoxLayout(this);
    const int margin = Twips::toPixels(Margin);
    layout->setContentsMargins(margin, margin, margin, margin);
    auto *kind = new QLabel(kindTitle);
    kind->setWordWrap(true);
    layout->addWidget(kind);

    auto *form = new QFormLayout;
    for (int field = 0; field < m_entry.fields().size(); ++field) {
        auto *caption = new QLabel(m_entry.caption(field));
        auto *edit = new QLineEdit(m_entry.startText(field));
        edit->setObjectName(QStringLiteral("Field%1").arg(field));
        edit->setMinimumWidth(Twips::toPixels(FieldWidth));
        caption->setBuddy(edit);
        form->addRow(caption, edit);
        m_fields.append(edit);
    }
    layout->addLayout(form);

    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("Message"));
    m_message->setWordWrap(true);
    QPalette red = m_message->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    m_message->setPalette(red);
    m_message->hide();
    layout->addWidget(m_message);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *saveButton = new QPushButton(QStringLiteral("Сохранить"));
    saveButton->setObjectName(QStringLiteral("Save"));
    saveButton->setDefault(true);
    auto *cancelButton = new QPushButton(QStringLiteral("Отмена"));
    cancelButton->setObjectName(QStringLiteral("Cancel"));
    buttons->addWidget(saveButton);
    buttons->addWidget(cancelButton);
    layout->addLayout(buttons);

    connect(saveButton, &QPushButton::clicked, this, &OwnSizeDialog::save);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QStringList OwnSizeDialog::typed() const
{
    QStringList texts;
    for (const QLineEdit *edit : m_fields)
        texts.append(edit->text());
    return texts;
}

void OwnSizeDialog::save()
{
    const SizeEntry::Outcome outcome = m_entry.accept(typed());
    if (!outcome.row) {
        m_message->setText(outcome.message);
        m_message->show();
        if (outcome.field >= 0 && outcome.field < m_fields.size())
            m_fields.at(outcome.field)->setFocus();
        return;
    }
    m_message->hide();
    Q_EMIT rowReady(*outcome.row);
}
