#include <gtest/gtest.h>

#include "data/PimDocument.h"
#include "storage/StorageTestSupport.h"
#include "support/TestEnvironment.h"

namespace orvane {
namespace {

using test::CountingView;

TEST(PimDocument, ViewsRefillOncePerNotifiedChange)
{
    PimDocument doc;
    CountingView a, b;
    doc.AttachView(&a);
    doc.AttachView(&b);
    doc.AttachView(&a);  // attaching twice changes nothing
    doc.SetModified(true, true);
    doc.SetModified(true, false);
    EXPECT_EQ(a.updates, 1);
    EXPECT_EQ(b.updates, 1);
    doc.DetachView(&b);
    doc.UpdateAllViews();
    EXPECT_EQ(a.updates, 2);
    EXPECT_EQ(b.updates, 1);
}

TEST(PimDocument, TitleFollowsThePathAndClearKeepsPathAndDay)
{
    test::ScopedClock clock(2026, 12, 5, 18, 30);
    PimDocument doc;
    CountingView view;
    doc.AttachView(&view);
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    doc.SetPath("/home/anna/My Files/home.pgr");
    EXPECT_EQ(doc.GetTitle(), "/home/anna/My Files/home.pgr");
    EXPECT_EQ(view.pathChanges, 1);

    doc.Database().Persons().Add(Person{});
    PimDateTime day;
    day.SetDateTime(2026, 12, 24, 0, 0, 0);
    doc.SetSelectedDate(day);
    doc.SetModified(true, false);
    doc.Clear();
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(view.updates, 1);
    EXPECT_TRUE(doc.Database().Persons().IsEmpty());
    EXPECT_EQ(doc.Path(), "/home/anna/My Files/home.pgr");
    EXPECT_EQ(doc.SelectedDate(), day);
    doc.SetPath("");
    EXPECT_EQ(doc.GetTitle(), "Untitled");
}

}  // namespace
}  // namespace orvane
