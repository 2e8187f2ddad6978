#pragma once

#include <QLineEdit>
#include <QString>
#include <map>
#include <string>

#include "widgets/panes/DisplayText.h"

class QDateEdit;
class QDialog;
class QPushButton;
class QTabWidget;
class QLabel;
class QLineEdit;
class QWidget;

namespace orvane {

class PimDateTime;

// Building blocks the record editors share: controls tagged with their ids, and the
// date pickers with their fixed range.
class EditorWidgets {
public:
    static QWidget* Tag(QWidget* widget, int controlId);
    // A line edit holding the field's text, and a label naming it.
    static QLineEdit* Edit(const std::string& bytes, int controlId, QWidget* parent);
    static QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent);
    // Long date format, 1 January 1990 to 31 December 2035. A date outside the range is
    // only shown clamped; the editor keeps its own value until the user picks a day.
    static QDateEdit* DatePicker(const PimDateTime& date, int controlId, QWidget* parent);

    // A tabbed sheet's layout: the pages above OK and Cancel, which accept and reject the
    // dialog. Returns the OK button; ownTexts names the buttons "&Ok" and "&Cancel".
    static QPushButton* SheetLayout(QDialog* dialog, QTabWidget* pages, bool ownTexts);

    // Copies what the user changed in the edits into record: fields names the record's text
    // members and their controls. An untouched field keeps its bytes, whatever encoding
    // they were in.
    template <class Record, class Fields>
    static void CopyEdited(Record& record, const Record& original, const Fields& fields,
                           const std::map<int, QLineEdit*>& edits)
    {
        for (const auto& f : fields) {
            const QString text = edits.at(f.controlId)->text();
            if (text != DisplayText::ToDisplay(original.*(f.field))) {
                record.*(f.field) = DisplayText::FromTyped(text);
            }
        }
    }
};

}  // namespace orvane
