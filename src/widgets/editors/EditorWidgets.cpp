#include "widgets/editors/EditorWidgets.h"

#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>

#include "data/PimDateTime.h"
#include "widgets/panes/DisplayText.h"

namespace orvane {

QWidget* EditorWidgets::Tag(QWidget* widget, int controlId)
{
    widget->setProperty("controlId", controlId);
    return widget;
}

QLineEdit* EditorWidgets::Edit(const std::string& bytes, int controlId, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(std::numeric_limits<int>::max());  // fields have no length limit
    edit->setText(DisplayText::ToDisplay(bytes));
    Tag(edit, controlId);
    return edit;
}

QLabel* EditorWidgets::Label(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QDateEdit* EditorWidgets::DatePicker(const PimDateTime& date, int controlId, QWidget* parent)
{
    auto* picker = new QDateEdit(parent);
    Tag(picker, controlId);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    picker->setDateRange(QDate(1990, 1, 1), QDate(2035, 12, 31));
    if (date.IsValid()) {
        picker->setDate(QDate(date.GetYear(), date.GetMonth(), date.GetDay()));
    }
    return picker;
}

QPushButton* EditorWidgets::SheetLayout(QDialog* dialog, QTabWidget* pages, bool ownTexts)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    if (ownTexts) {
        ok->setText(QObject::tr("&Ok"));
        buttons->button(QDialogButtonBox::Cancel)->setText(QObject::tr("&Cancel"));
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    return ok;
}

}  // namespace orvane
