#include "widgets/panes/MainForm.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTextCharFormat>
#include <QVBoxLayout>
#include <algorithm>

#include "data/PimDocument.h"
#include "rules/commands/CommandIds.h"
#include "rules/panes/WeekendColour.h"
#include "widgets/panes/DisplayText.h"
#include "widgets/panes/FindField.h"
#include "widgets/panes/IconLibrary.h"
#include "widgets/panes/PaneListView.h"
#include "widgets/panes/PaneTableModel.h"

namespace orvane {

namespace {

template <class W>
W* Tag(W* widget, int controlId)
{
    widget->setProperty("controlId", controlId);
    return widget;
}

struct DetailRow {
    int labelId;
    const char* label;
    int controlId;
};

// Top to bottom as the form shows them.
constexpr DetailRow kDetailRows[] = {
    {1057, "Home Phone:", 1004}, {1058, "Work Phone:", 1005}, {1061, "Pager:", 1006},
    {1059, "Fax:", 1007},        {1062, "Cel Phone:", 1009},  {1060, "E-Mail:", 1008},
    {1063, "Web Page:", 1010},
};

constexpr int kFaxId = 1007;

}  // namespace

MainForm::MainForm(PimDocument& document, QWidget* parent) : QWidget(parent), m_model(document)
{
    Tag(this, 129);
    m_calendar = Tag(new QCalendarWidget(this), 1000);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setGridVisible(false);
    // The days the records can hold: 1 January 100 to 31 December 9999.
    const PimDateTime first = PimDateTime::FromValue(PimDateTime::kMinValue);
    const PimDateTime last = PimDateTime::FromValue(PimDateTime::kMaxValue);
    m_calendar->setDateRange(QDate(first.GetYear(), first.GetMonth(), first.GetDay()),
                             QDate(last.GetYear(), last.GetMonth(), last.GetDay()));
    ColourCalendar();
    const PimDateTime day = m_model.SelectedDay();
    m_calendar->setSelectedDate(QDate(day.GetYear(), day.GetMonth(), day.GetDay()));
    m_calendar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto* top = new QHBoxLayout;
    top->addWidget(m_calendar, 0, Qt::AlignTop);
    top->addWidget(BuildPhoneBook(), 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(BuildAppointments());
    bottom->addWidget(BuildTasks(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(DuX(3), DuY(3), DuX(3), DuY(3));
    layout->addLayout(top);
    layout->addLayout(bottom, 1);
    ShareExtraHeight(layout, top);

    BuildModels();
    ConnectLists();
    ConnectFind();
    m_model.SetListener([this](unsigned changes) { OnModelChanged(changes); });
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, [this] {
        const QDate date = m_calendar->selectedDate();
        m_model.SelectDay(date.year(), date.month(), date.day());
    });
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, [this] { ShowBusyDays(); });
    ShowDetails();
}

void MainForm::ShareExtraHeight(QBoxLayout* rows, QLayout* top)
{
    // At the designed height the phone book keeps its own and the lists below take the
    // rest; a taller window then grows both rows in proportion, so the phone book shows
    // more names too.
    const int topHeight = top->sizeHint().height();
    const QMargins margins = rows->contentsMargins();
    const int bottomHeight =
        sizeHint().height() - margins.top() - margins.bottom() - rows->spacing() - topHeight;
    rows->setStretch(0, std::max(1, topHeight));
    rows->setStretch(1, std::max(1, bottomHeight));
}

int MainForm::DuX(int units) const
{
    return units * fontMetrics().averageCharWidth() / 4;
}

int MainForm::DuY(int units) const
{
    return units * fontMetrics().height() / 8;
}

void MainForm::ColourCalendar()
{
    // The month lies on the button face, light or dark, with every text from the same
    // palette: a desktop's dark theme never leaves light text on a white header.
    QPalette colours = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor face = colours.color(group, QPalette::Button);
        const QColor text = colours.color(group, QPalette::ButtonText);
        colours.setColor(group, QPalette::Base, face);
        colours.setColor(group, QPalette::AlternateBase, face);
        colours.setColor(group, QPalette::Window, face);
        colours.setColor(group, QPalette::Text, text);
    }
    // Days of the months before and after: dimmed between the text and the face.
    const QColor face = colours.color(QPalette::Active, QPalette::Button);
    const QColor text = colours.color(QPalette::Active, QPalette::ButtonText);
    colours.setColor(QPalette::Disabled, QPalette::Text,
                     QColor((face.red() + text.red()) / 2, (face.green() + text.green()) / 2,
                            (face.blue() + text.blue()) / 2));
    colours.setColor(QPalette::Disabled, QPalette::Base, face);
    colours.setColor(QPalette::Disabled, QPalette::AlternateBase, face);
    m_calendar->setPalette(colours);

    QTextCharFormat weekend;
    weekend.setForeground(QColor::fromRgb(WeekendColour::On(face.rgb() & 0xFFFFFF)));
    m_calendar->setWeekdayTextFormat(Qt::Saturday, weekend);
    m_calendar->setWeekdayTextFormat(Qt::Sunday, weekend);
}

void MainForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_calendar != nullptr) {
        ColourCalendar();
    }
}

QSize MainForm::sizeHint() const
{
    // The designed size, or more where the desktop's fonts and style need more room.
    return QSize(DuX(429), DuY(215)).expandedTo(QWidget::sizeHint());
}

QWidget* MainForm::BuildPhoneBook()
{
    auto* group = Tag(new QGroupBox(tr("Phone Book"), this), 1079);
    group->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    QWidget* listing = BuildListingButtons();
    m_find = Tag(new FindField(group), kFindId);
    m_phoneList = Tag(new PaneListView(group), 1003);
    // The details set the height of the area; the list takes what they leave.
    m_phoneList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    auto* left = new QVBoxLayout;
    left->addWidget(listing);
    left->addWidget(m_find);
    left->addWidget(m_phoneList, 1);
    auto* layout = new QHBoxLayout(group);
    layout->addLayout(left, 1);
    layout->addWidget(BuildDetails(), 1);
    group->setMinimumHeight(DuY(118));
    return group;
}

QWidget* MainForm::BuildListingButtons()
{
    auto* frame = Tag(new QFrame(this), 1113);
    frame->setFrameShape(QFrame::StyledPanel);
    m_whitePages = Tag(new QRadioButton(tr("&White Pages"), frame), 1044);
    m_yellowPages = Tag(new QRadioButton(tr("&Yellow Pages"), frame), 1045);
    m_whitePages->setChecked(true);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(DuX(4), DuY(2), DuX(4), DuY(2));
    layout->addWidget(m_whitePages);
    layout->addWidget(m_yellowPages);
    layout->addStretch(1);
    connect(m_whitePages, &QRadioButton::clicked, this,
            [this] { m_model.SetListing(Listing::WhitePages); });
    connect(m_yellowPages, &QRadioButton::clicked, this,
            [this] { m_model.SetListing(Listing::YellowPages); });
    return frame;
}

QWidget* MainForm::BuildDetails()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(DuY(1));
    int line = 0;
    for (const DetailRow& row : kDetailRows) {
        grid->addWidget(Tag(new QLabel(tr(row.label), panel), row.labelId), line, 0);
        QWidget* control = nullptr;
        if (row.controlId == kFaxId) {
            auto* label = new QLabel(panel);
            label->setAlignment(Qt::AlignCenter);
            control = label;
        } else {
            auto* button = new QPushButton(panel);
            const int id = row.controlId;
            connect(button, &QPushButton::clicked, this, [this, id] { emit contactRequested(id); });
            control = button;
        }
        control->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        control->setMinimumWidth(DuX(124));
        grid->addWidget(Tag(control, row.controlId), line++, 1);
        m_detailControls[row.controlId] = control;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(line, 1);
    return panel;
}

QWidget* MainForm::BuildAppointments()
{
    auto* group = Tag(new QGroupBox(tr("Appointments"), this), 1078);
    m_caption = Tag(new QLabel(DisplayText::ToDisplay(m_model.Caption()), group), 1011);
    m_caption->setAlignment(Qt::AlignCenter);
    m_appointmentList = Tag(new PaneListView(group), 1001);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_caption);
    layout->addWidget(m_appointmentList, 1);
    group->setFixedWidth(DuX(207));
    group->setMinimumHeight(DuY(92));
    return group;
}

QWidget* MainForm::BuildTasks()
{
    auto* group = Tag(new QGroupBox(tr("Tasks"), this), 1080);
    m_taskList = Tag(new PaneListView(group), 1002);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_taskList, 1);
    group->setMinimumHeight(DuY(92));
    return group;
}

void MainForm::BuildModels()
{
    const Qt::Alignment left = Qt::AlignLeft;
    TaskPane& tasks = m_model.Tasks();
    m_taskModel = new PaneTableModel(
        {{tr("Task"), left}, {tr("Original Due Date"), left}},
        [&tasks] { return static_cast<int>(tasks.Rows().size()); },
        [&tasks](int row, int column) {
            return DisplayText::ToDisplay(column == 0 ? tasks.DescriptionText(row)
                                                      : tasks.DueDateText(row));
        },
        [&tasks](int row) {
            return IconLibrary::Priority(tasks.Rows()[static_cast<size_t>(row)].priority);
        },
        this);
    m_taskList->setModel(m_taskModel);
    m_taskList->SetColumnFit([](int width) {
        const int first = width / 6 * 4;
        return QVector<int>{first, width - first};
    });

    AppointmentPane& appointments = m_model.Appointments();
    m_appointmentModel = new PaneTableModel(
        {{tr("Time"), left}, {tr("Appointment"), Qt::AlignHCenter}},
        [&appointments] { return static_cast<int>(appointments.Rows().size()); },
        [&appointments](int row, int column) {
            return column == 0 ? DisplayText::ToDisplay(appointments.TimeRangeText(row))
                               : DisplayText::ToDisplay(
                                     appointments.Rows()[static_cast<size_t>(row)].description);
        },
        [&appointments](int row) {
            return IconLibrary::Alarm(appointments.Rows()[static_cast<size_t>(row)].alarm);
        },
        this);
    m_appointmentList->setModel(m_appointmentModel);
    // The sample range and two spaces, plus the alarm icon.
    const int timeWidth =
        m_appointmentList->fontMetrics().horizontalAdvance(QStringLiteral("00:00 AM-00:00 AM  ")) +
        16;
    m_appointmentList->SetColumnFit([timeWidth](int width) {
        return QVector<int>{timeWidth, width - timeWidth};
    });

    PhoneBookPane& phoneBook = m_model.PhoneBook();
    m_phoneModel = new PaneTableModel(
        {{tr("Name"), left}, {tr("Company"), left}}, [&phoneBook] { return phoneBook.RowCount(); },
        [&phoneBook](int row, int column) {
            const PhoneBookPane::Row& r = phoneBook.RowAt(row);
            return DisplayText::ToDisplay(column == 0 ? r.name : r.company);
        },
        nullptr, this);
    m_phoneList->setModel(m_phoneModel);
    m_phoneList->SetColumnFit([](int width) { return QVector<int>{width / 2, width - width / 2}; });
}

void MainForm::ConnectLists()
{
    connect(m_taskList, &PaneListView::rowPressed, this, [this](int row, Qt::MouseButton) {
        m_model.ClickTasks(row);
        emit stateChanged();
    });
    connect(m_taskList, &PaneListView::rowDoubleClicked, this, [this](int row) {
        m_model.DoubleClickTasks(row);
        emit stateChanged();
    });
    connect(m_appointmentList, &PaneListView::rowPressed, this, [this](int, Qt::MouseButton) {
        m_model.ClickAppointments(m_appointmentList->SelectedRow());
        emit stateChanged();
    });
    connect(m_phoneList, &PaneListView::rowPressed, this, [this](int row, Qt::MouseButton) {
        m_model.ClickPhoneBook(row);
        emit stateChanged();
    });
    connect(m_phoneList, &PaneListView::rowDoubleClicked, this, [this](int) {
        m_model.DoubleClickPhoneBook();
        emit stateChanged();
    });
    // A row highlighted from the keyboard is picked as a click on it would pick it.
    connect(m_taskList, &PaneListView::rowKeyed, this, [this](int row) {
        m_model.ClickTasks(row);
        emit stateChanged();
    });
    connect(m_appointmentList, &PaneListView::rowKeyed, this, [this](int row) {
        m_model.ClickAppointments(row);
        emit stateChanged();
    });
    connect(m_phoneList, &PaneListView::rowKeyed, this, [this](int row) {
        m_model.ClickPhoneBook(row);
        emit stateChanged();
    });
    connect(m_taskList, &PaneListView::contextMenuAt, this, [this](int row, const QPoint& at) {
        PopUp(PaneList::Tasks, m_model.Tasks().ContextMenu(row), at);
    });
    connect(m_appointmentList, &PaneListView::contextMenuAt, this,
            [this](int row, const QPoint& at) {
                PopUp(PaneList::Appointments, m_model.Appointments().ContextMenu(row), at);
            });
    connect(m_phoneList, &PaneListView::contextMenuAt, this, [this](int row, const QPoint& at) {
        PopUp(PaneList::PhoneBook, m_model.PhoneBook().ContextMenu(row), at);
    });
}

void MainForm::ConnectFind()
{
    connect(m_find, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_model.FindPersons(DisplayText::FromTyped(text)); });
    connect(m_find, &FindField::leaveToList, this, [this] { EnterPhoneList(); });
    auto* shortcut = new QShortcut(QKeySequence::Find, this);
    connect(shortcut, &QShortcut::activated, this, [this] {
        m_find->setFocus(Qt::ShortcutFocusReason);
        m_find->selectAll();
    });
}

void MainForm::EnterPhoneList()
{
    m_phoneList->setFocus(Qt::TabFocusReason);
    if (m_model.PhoneBook().RowCount() > 0) {
        m_phoneList->HighlightRow(0);
        m_model.ClickPhoneBook(0);
        emit stateChanged();
    }
}

void MainForm::OnPhoneBookRows()
{
    m_phoneModel->Reset();
    // Find keeps the selected person highlighted while it still lists them; after a
    // refill nobody is selected and nothing is highlighted.
    const ListSelection& person = m_model.State().person;
    if (person.id != -1 && person.row != -1) {
        m_phoneList->HighlightRow(person.row);
    }
}

void MainForm::ShowBusyDays()
{
    // Bold is added to and taken from whatever else a day's format says.
    for (const QDate& date : std::as_const(m_boldDates)) {
        QTextCharFormat format = m_calendar->dateTextFormat(date);
        format.clearProperty(QTextFormat::FontWeight);
        m_calendar->setDateTextFormat(date, format);
    }
    m_boldDates.clear();
    const int year = m_calendar->yearShown();
    const int month = m_calendar->monthShown();
    for (int day : m_model.Days().BusyDays(year, month)) {
        const QDate date(year, month, day);
        QTextCharFormat format = m_calendar->dateTextFormat(date);
        format.setFontWeight(QFont::Bold);
        m_calendar->setDateTextFormat(date, format);
        m_boldDates << date;
    }
}

void MainForm::OnModelChanged(unsigned changes)
{
    if (changes & FormModel::kPhoneBookRows) {
        OnPhoneBookRows();
    }
    if (changes & FormModel::kRevealPerson) {
        m_phoneList->scrollTo(m_phoneModel->index(m_model.RevealedRow(), 0));
    }
    if (changes & FormModel::kBusyDays) {
        ShowBusyDays();
    }
    if (changes & FormModel::kTaskRows) {
        m_taskModel->Reset();
    }
    if (changes & FormModel::kAppointmentRows) {
        m_appointmentModel->Reset();
    }
    if (changes & FormModel::kDetails) {
        ShowDetails();
    }
    if (changes & FormModel::kCaption) {
        m_caption->setText(DisplayText::ToDisplay(m_model.Caption()));
    }
    if (changes & FormModel::kListing) {
        const bool white = m_model.State().listing == Listing::WhitePages;
        m_whitePages->setChecked(white);
        m_yellowPages->setChecked(!white);
    }
    emit stateChanged();
}

void MainForm::ShowDetails()
{
    for (const PersonDetails::Field& field : m_model.PhoneBook().Details()) {
        QWidget* control = m_detailControls.at(field.controlId);
        const QString text = DisplayText::ToDisplay(field.text);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            button->setText(text);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setText(text);
        }
        control->setEnabled(field.enabled);
    }
}

bool MainForm::HandleCommand(int commandId)
{
    if (commandId == kCmdContextHelp) {
        emit contextHelpRequested();
        return true;
    }
    const bool handled = m_model.HandleCommand(commandId);
    emit stateChanged();
    return handled;
}

void MainForm::SetPaneMenus(QMenu* tasks, QMenu* appointments, QMenu* phoneBook)
{
    m_taskMenu = tasks;
    m_appointmentMenu = appointments;
    m_phoneMenu = phoneBook;
}

QMenu* MainForm::BuildContextMenu(PaneList list, bool rowHit) const
{
    const QMenu* source = list == PaneList::Tasks          ? m_taskMenu
                          : list == PaneList::Appointments ? m_appointmentMenu
                                                           : m_phoneMenu;
    if (source == nullptr) {
        return nullptr;
    }
    static const int kAddCommands[] = {kCmdTaskAdd, kCmdAppointmentAdd, kCmdPersonAdd};
    auto* menu = new QMenu;
    for (QAction* action : source->actions()) {
        const int id = action->property("commandId").toInt();
        QAction* copy = menu->addAction(action->icon(), action->text());
        copy->setProperty("commandId", id);
        const bool rowBound = std::find(std::begin(kAddCommands), std::end(kAddCommands), id) ==
                              std::end(kAddCommands);
        copy->setEnabled(!rowBound || rowHit);
    }
    return menu;
}

void MainForm::PopUp(PaneList list, bool rowHit, const QPoint& globalPos)
{
    emit stateChanged();
    QMenu* menu = BuildContextMenu(list, rowHit);
    if (menu == nullptr) {
        return;
    }
    QAction* chosen = menu->exec(globalPos);
    const int id = chosen ? chosen->property("commandId").toInt() : 0;
    delete menu;
    if (id != 0) {
        HandleCommand(id);
    }
}

QWidget* MainForm::Control(int controlId) const
{
    if (property("controlId").toInt() == controlId) {
        return const_cast<MainForm*>(this);
    }
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->property("controlId").toInt() == controlId) {
            return child;
        }
    }
    return nullptr;
}

PaneListView* MainForm::List(PaneList list) const
{
    switch (list) {
        case PaneList::Tasks:
            return m_taskList;
        case PaneList::Appointments:
            return m_appointmentList;
        case PaneList::PhoneBook:
            return m_phoneList;
        default:
            return nullptr;
    }
}

}  // namespace orvane
