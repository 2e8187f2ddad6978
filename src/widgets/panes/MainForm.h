#pragma once

#include <QDate>
#include <QList>
#include <QWidget>
#include <map>

#include "rules/panes/FormModel.h"

class QBoxLayout;
class QCalendarWidget;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;

namespace orvane {

class FindField;
class PaneListView;
class PaneTableModel;

// The client area of the main window: the month calendar with the days that hold something
// in bold, the phone book with its Find field and the selected person's details, and the
// selected day's appointments and tasks. Every control carries its id in the dynamic
// property "controlId".
class MainForm : public QWidget {
    Q_OBJECT
public:
    explicit MainForm(PimDocument& document, QWidget* parent = nullptr);

    FormModel& Model() { return m_model; }
    // Runs a command routed to the form; false for one it does not carry out.
    bool HandleCommand(int commandId);
    // The main menu's submenus that pop up over the three lists.
    void SetPaneMenus(QMenu* tasks, QMenu* appointments, QMenu* phoneBook);
    // The pop-up for a list: the pane's menu items, the row-bound ones greyed when no row
    // was under the pointer. The caller owns the menu.
    QMenu* BuildContextMenu(PaneList list, bool rowHit) const;

    QWidget* Control(int controlId) const;
    PaneListView* List(PaneList list) const;
    QCalendarWidget* Calendar() const { return m_calendar; }
    FindField* Find() const { return m_find; }

    // The phone book's Find field, placed outside the numbering of the designed controls.
    static constexpr int kFindId = 1114;

    // The designed size of the form.
    QSize sizeHint() const override;

protected:
    // A new palette (the desktop's theme changed) recolours the calendar.
    void changeEvent(QEvent* event) override;

signals:
    // A detail button (1004-1010) was clicked.
    void contactRequested(int controlId);
    void contextHelpRequested();
    // The selection or the records changed: command states may differ.
    void stateChanged();

private:
    int DuX(int units) const;
    int DuY(int units) const;
    void ColourCalendar();
    QWidget* BuildPhoneBook();
    QWidget* BuildListingButtons();
    QWidget* BuildDetails();
    QWidget* BuildAppointments();
    QWidget* BuildTasks();
    void BuildModels();
    void ConnectLists();
    void ConnectFind();
    void ShareExtraHeight(QBoxLayout* rows, QLayout* top);
    void OnModelChanged(unsigned changes);
    void OnPhoneBookRows();
    void EnterPhoneList();
    void ShowBusyDays();
    void ShowDetails();
    void PopUp(PaneList list, bool rowHit, const QPoint& globalPos);

    FormModel m_model;
    QCalendarWidget* m_calendar = nullptr;
    QLabel* m_caption = nullptr;
    QRadioButton* m_whitePages = nullptr;
    QRadioButton* m_yellowPages = nullptr;
    FindField* m_find = nullptr;
    PaneListView* m_phoneList = nullptr;
    PaneListView* m_appointmentList = nullptr;
    PaneListView* m_taskList = nullptr;
    PaneTableModel* m_phoneModel = nullptr;
    PaneTableModel* m_appointmentModel = nullptr;
    PaneTableModel* m_taskModel = nullptr;
    std::map<int, QWidget*> m_detailControls;
    QList<QDate> m_boldDates;
    QMenu* m_taskMenu = nullptr;
    QMenu* m_appointmentMenu = nullptr;
    QMenu* m_phoneMenu = nullptr;
};

}  // namespace orvane
