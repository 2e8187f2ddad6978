#pragma once

#include <QString>
#include <string>

class QDateEdit;
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
};

}  // namespace orvane
