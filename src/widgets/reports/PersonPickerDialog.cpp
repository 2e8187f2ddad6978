#include "widgets/reports/PersonPickerDialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "widgets/panes/DisplayText.h"

namespace orvane {

uint32_t PersonPickerDialog::PopupTopic(int controlId)
{
    switch (controlId) {
        case kListId:
            return 1600;
        case kSelectAllId:
            return 1005;
        case kOkId:
            return 1000;
        case kCancelId:
            return 1001;
        case kHelpId:
            return 1002;
        case kPrintId:
            return 1003;
        case kPreviewId:
            return 1004;
        default:
            return 0;
    }
}

PersonPickerDialog::PersonPickerDialog(std::vector<Person> offered, Help helpers, QWidget* parent)
    : QDialog(parent), m_model(std::move(offered)), m_help(std::move(helpers))
{
    setWindowTitle(tr("Dialog"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    auto* group = new QGroupBox(tr("Persons To Include"), this);
    m_list = new QListWidget(group);
    m_list->setProperty("controlId", kListId);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const PersonPickerModel::Item& item : m_model.Items()) {
        auto* row = new QListWidgetItem(DisplayText::ToDisplay(item.text), m_list);
        row->setData(Qt::UserRole, item.id);
    }
    m_selectAll = new QCheckBox(tr("Select All"), group);
    m_selectAll->setProperty("controlId", kSelectAllId);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_list);
    groupLayout->addWidget(m_selectAll);
    m_controls = {m_list, m_selectAll};

    auto* buttons = new QVBoxLayout;
    QPushButton* ok = AddButton(tr("OK"), kOkId);
    ok->setDefault(true);
    QPushButton* cancel = AddButton(tr("Cancel"), kCancelId);
    QPushButton* preview = AddButton(tr("Pre&view..."), kPreviewId);
    QPushButton* print = AddButton(tr("&Print..."), kPrintId);
    QPushButton* help = AddButton(tr("&Help..."), kHelpId);
    for (QPushButton* button : {ok, cancel, preview, print, help}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    m_acceptButtons = {ok, preview, print};

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);

    connect(m_list, &QListWidget::itemSelectionChanged, this,
            &PersonPickerDialog::OnSelectionChanged);
    connect(m_selectAll, &QCheckBox::toggled, this, &PersonPickerDialog::OnSelectAll);
    connect(ok, &QPushButton::clicked, this, [this] { Finish(PersonPickerModel::Exit::Ok); });
    connect(preview, &QPushButton::clicked, this,
            [this] { Finish(PersonPickerModel::Exit::Preview); });
    connect(print, &QPushButton::clicked, this, [this] { Finish(PersonPickerModel::Exit::Print); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (m_help.topic) {
            m_help.topic();
        }
    });
    for (QWidget* control : m_controls) {
        control->installEventFilter(this);
    }
    UpdateButtons();
}

QPushButton* PersonPickerDialog::AddButton(const QString& text, int controlId)
{
    auto* button = new QPushButton(text, this);
    button->setProperty("controlId", controlId);
    button->setAutoDefault(false);
    m_controls.push_back(button);
    return button;
}

QWidget* PersonPickerDialog::Control(int controlId) const
{
    for (QWidget* control : m_controls) {
        if (control->property("controlId").toInt() == controlId) {
            return control;
        }
    }
    return nullptr;
}

bool PersonPickerDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Context help ("What's This?" on a control) shows the control's popup from the help
    // file instead of a text of its own.
    if (event->type() != QEvent::QueryWhatsThis && event->type() != QEvent::WhatsThis) {
        return QDialog::eventFilter(watched, event);
    }
    const uint32_t topic = PopupTopic(watched->property("controlId").toInt());
    if (topic == 0) {
        return false;
    }
    if (event->type() == QEvent::WhatsThis && m_help.popup) {
        m_help.popup(topic);
    }
    event->accept();
    return true;
}

void PersonPickerDialog::OnSelectionChanged()
{
    std::vector<int32_t> ids;
    for (const QListWidgetItem* item : m_list->selectedItems()) {
        ids.push_back(item->data(Qt::UserRole).toInt());
    }
    m_model.SetSelection(ids);
    UpdateButtons();
}

void PersonPickerDialog::OnSelectAll(bool checked)
{
    m_model.SelectAll(checked);
    const QSignalBlocker blocker(m_list);
    if (checked) {
        m_list->selectAll();
    } else {
        m_list->clearSelection();
    }
    m_list->viewport()->update();
    UpdateButtons();
}

void PersonPickerDialog::UpdateButtons()
{
    for (QPushButton* button : m_acceptButtons) {
        button->setEnabled(m_model.CanAccept());
    }
}

void PersonPickerDialog::Finish(PersonPickerModel::Exit exit)
{
    m_exit = exit;
    accept();
}

}  // namespace orvane
