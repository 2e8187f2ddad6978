#pragma once

#include <QWidget>
#include <map>

#include "rules/panes/FormModel.h"

class QCalendarWidget;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;

namespace orvane {

class PaneListView;
class PaneTableModel;

// The client area of the main window: the month calendar, the phone book with the
// selected person's details, and the selected day's appointments and tasks. Every
// control carries its id in the dynamic property "controlId".
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

    // The designed size of the form.
    QSize sizeHint() const override;

signals:
    // A detail button (1004-1010) was clicked.
    void contactRequested(int controlId);
    void contextHelpRequested();
    // The selection or the records changed: command states may differ.
    void stateChanged();

private:
    int DuX(int units) const;
    int DuY(int units) const;
    QWidget* BuildPhoneBook();
    QWidget* BuildListingButtons();
    QWidget* BuildDetails();
    QWidget* BuildAppointments();
    QWidget* BuildTasks();
    void BuildModels();
    void ConnectLists();
    void OnModelChanged(unsigned changes);
    void ShowDetails();
    void PopUp(PaneList list, bool rowHit, const QPoint& globalPos);

    FormModel m_model;
    QCalendarWidget* m_calendar = nullptr;
    QLabel* m_caption = nullptr;
    QRadioButton* m_whitePages = nullptr;
    QRadioButton* m_yellowPages = nullptr;
    PaneListView* m_phoneList = nullptr;
    PaneListView* m_appointmentList = nullptr;
    PaneListView* m_taskList = nullptr;
    PaneTableModel* m_phoneModel = nullptr;
    PaneTableModel* m_appointmentModel = nullptr;
    PaneTableModel* m_taskModel = nullptr;
    std::map<int, QWidget*> m_detailControls;
    QMenu* m_taskMenu = nullptr;
    QMenu* m_appointmentMenu = nullptr;
    QMenu* m_phoneMenu = nullptr;
};

}  // namespace orvane
