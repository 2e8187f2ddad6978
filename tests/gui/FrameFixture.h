#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/MainFrame.h"
#include "storage/StorageTestSupport.h"
#include "support/MemorySettingsStore.h"
#include "support/SampleData.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"
#include "widgets/panes/MainForm.h"
#include "widgets/panes/PaneListView.h"

namespace orvane::test {

// The child of `parent` that carries the control id, as the windows number their controls.
template <class W = QWidget>
W* FindControl(QWidget* parent, int controlId)
{
    for (W* widget : parent->findChildren<W*>()) {
        if (widget->property("controlId").toInt() == controlId) {
            return widget;
        }
    }
    ADD_FAILURE() << "no control " << controlId;
    return nullptr;
}

// A main window on 10 March 2026, 09:00, with scripted questions and in-memory settings.
class FrameFixture : public ::testing::Test {
protected:
    FrameFixture() : m_clock(2026, 3, 10, 9, 0) {}

    void SetUp() override { m_frame = std::make_unique<MainFrame>(m_prompter, m_settings); }
    void TearDown() override { m_frame.reset(); }

    MainFrame& Frame() { return *m_frame; }
    MainForm& Form() { return *m_frame->Form(); }
    PimDatabase& Db() { return m_frame->Document().Database(); }

    // As after opening a file: records in place, unmodified, every pane refilled.
    void LoadSample()
    {
        const PimDateTime today = Day(2026, 3, 10);
        Db().Persons().Add(MakePerson("Ann", "Lee", "Lee Co", true, true));
        Db().Persons().Add(MakePerson("Bo", "Moe", "", true, false));
        Db().Tasks().Add(MakeTask("first", today));
        Db().Tasks().Add(MakeTask("second", today, kPriorityLow));
        Db().Appointments().Add(MakeAppointment("meeting", today, 10, 0, true));
        m_frame->Document().SetModified(false, true);
    }

    // Shows the window and waits until it is on the screen.
    void Show()
    {
        Frame().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    }

    // Lets the event loop run so that the command states are brought up to date.
    // (A blocking wait, as the program's event loop does when the queue runs empty.)
    void Idle()
    {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }

    QPoint RowCenter(PaneList list, int row)
    {
        PaneListView* view = Form().List(list);
        return view->visualRect(view->model()->index(row, 0)).center();
    }
    void ClickRow(PaneList list, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(Form().List(list)->viewport(), button, {}, RowCenter(list, row));
    }
    // Runs a command whose modal window the script then works like a user; the window is
    // closed afterwards if the script left it open.
    void RunWithEditor(int commandId, std::function<void(QWidget*)> script)
    {
        RunWithEditor([this, commandId] { Frame().RunCommand(commandId); }, std::move(script));
    }
    void RunWithEditor(const std::function<void()>& open, std::function<void(QWidget*)> script)
    {
        bool ran = false;
        auto* poll = new QTimer(&Frame());
        QObject::connect(poll, &QTimer::timeout, poll, [poll, &ran, script] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                poll->stop();
                ran = true;
                script(dialog);
                if (dialog->isVisible()) {
                    static_cast<QDialog*>(dialog)->reject();
                }
            }
        });
        poll->start(10);
        open();
        poll->deleteLater();
        EXPECT_TRUE(ran) << "no editor opened";
    }
    static QPushButton* OkOf(QWidget* dialog)
    {
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == "&Ok" || button->text() == "OK" || button->text() == "&OK") {
                return button;
            }
        }
        ADD_FAILURE() << "no OK button";
        return nullptr;
    }
    bool Enabled(int commandId) { return Frame().Action(commandId)->isEnabled(); }

    ScratchFolder m_scratch;  // also the data folder, where saves keep their backups
    ScopedClock m_clock;
    ScriptedPrompter m_prompter;
    MemorySettingsStore m_settings;
    std::unique_ptr<MainFrame> m_frame;
};

}  // namespace orvane::test
