#include "widgets/transfer/DocumentStructurePage.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "exchange/TransferWizardRules.h"
#include "widgets/panes/DisplayText.h"

namespace orvane {

namespace {

QListWidget* ChoiceList(const std::vector<TextFormat::Choice>& choices, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const TextFormat::Choice& choice : choices) {
        list->addItem(QString::fromStdString(choice.label));
    }
    list->setCurrentRow(0);
    // Tall enough for every entry, so the lists need no scrolling.
    const int rows = static_cast<int>(choices.size());
    list->setFixedHeight(list->sizeHintForRow(0) * rows + 2 * list->frameWidth() + 2);
    return list;
}

int SelectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

}  // namespace

DocumentStructurePage::DocumentStructurePage(TransferSettings& settings, bool importing,
                                             Prompter& prompter, QWidget* parent)
    : TransferPage(settings, importing, prompter, tr("Document Structure"), parent)
{
    Content()->addWidget(BuildPreview());
    m_previewGroup->setVisible(importing);
    auto* namesGroup = WithControlId(new QGroupBox(tr("Field Names"), this), 1001);
    m_names = WithControlId(
        new QCheckBox(QString::fromUtf8(TextFormat::FirstLineHasNamesLabel()), namesGroup), 1135);
    m_names->setChecked(true);
    (new QVBoxLayout(namesGroup))->addWidget(m_names);
    Content()->addWidget(namesGroup);
    Content()->addWidget(BuildChoices());
    Content()->addStretch(1);
}

QWidget* DocumentStructurePage::BuildPreview()
{
    m_previewGroup = WithControlId(new QGroupBox(tr("First line of document"), this), 1149);
    m_preview = WithControlId(new QPlainTextEdit(m_previewGroup), 1144);
    m_preview->setReadOnly(true);
    // A fixed-pitch font keeps separators and enclosers easy to tell apart.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setStyleHint(QFont::TypeWriter);
    m_preview->setFont(fixed);
    // A delimited line has few spaces; breaking anywhere keeps every field in view.
    m_preview->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_preview->setWordWrapMode(QTextOption::WrapAnywhere);
    m_preview->setFixedHeight(m_preview->fontMetrics().lineSpacing() * 3 +
                              2 * m_preview->frameWidth() + 8);
    (new QVBoxLayout(m_previewGroup))->addWidget(m_preview);
    return m_previewGroup;
}

QWidget* DocumentStructurePage::BuildChoices()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* separatorGroup = WithControlId(new QGroupBox(tr("Field Separator"), box), 1002);
    m_separators = WithControlId(ChoiceList(TextFormat::SeparatorChoices(), separatorGroup), 1140);
    (new QVBoxLayout(separatorGroup))->addWidget(m_separators);
    auto* encloserGroup = WithControlId(new QGroupBox(tr("Field Encloser"), box), 1003);
    m_enclosers = WithControlId(ChoiceList(TextFormat::EncloserChoices(), encloserGroup), 1141);
    (new QVBoxLayout(encloserGroup))->addWidget(m_enclosers);
    row->addWidget(separatorGroup);
    row->addWidget(encloserGroup);
    return box;
}

void DocumentStructurePage::Activate()
{
    if (Importing()) {
        m_preview->setPlainText(DisplayText::ToDisplay(Settings().firstLine));
    } else {
        m_previewGroup->hide();
    }
}

bool DocumentStructurePage::validatePage()
{
    return Passes(TransferWizardRules::AcceptFormat(
        Settings(), SelectedRow(m_separators), SelectedRow(m_enclosers), m_names->isChecked()));
}

}  // namespace orvane
