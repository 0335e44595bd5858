// Data sources and data links: what data-aware controls are told when a table opens,
// closes or scrolls, the window of rows a grid sees, and references that go away.
#include "framework/data/DataLink.h"

#include "framework/Exception.h"
#include "support/QueryTable.h"

#include <memory>

namespace {

// A link that writes down what it is told.
class RecordingLink : public TDataLink {
public:
    QStringList log;

protected:
    void ActiveChanged() override { log << (Active() ? "active" : "inactive"); }
    void DataSetScrolled(int distance) override { log << QStringLiteral("scrolled %1").arg(distance); }
};

// The five events of studio 1 in an in-memory table, with a data source on it.
class DataLinkTest : public DatabaseTest, protected testdb::QueryTable {
protected:
    DataLinkTest()
        : QueryTable("select id_evento, nome from evento where id_empresa = 1 order by id_evento")
    {
    }

    int CurrentId() { return table->FieldByName("id_evento").AsInteger(); }
};

TEST_F(DataLinkTest, LinksHearOpenCloseAndScroll)
{
    RecordingLink link;
    link.SetDataSource(source);
    EXPECT_FALSE(link.Active());
    table->Open();
    table->Next();
    table->Next();
    table->Last();
    table->Next(); // already on the last row: nothing moves
    table->Close();
    // A window of one row moves with the current row.
    EXPECT_EQ(link.log, (QStringList { "active", "scrolled 1", "scrolled 1", "scrolled 2", "inactive" }));
    EXPECT_EQ(source->State(), db::dsInactive);
}

TEST_F(DataLinkTest, TheWindowFollowsTheCurrentRowAndFillsFromTheEnd)
{
    RecordingLink link;
    link.SetBufferCount(3);
    link.SetDataSource(source);
    table->Open();
    EXPECT_EQ(link.RecordCount(), 3);
    EXPECT_EQ(link.ActiveRecord(), 0);

    table->Next();
    table->Next();
    EXPECT_EQ(link.ActiveRecord(), 2);
    link.log.clear();
    table->Next(); // row 4: the window moves down by one
    EXPECT_EQ(link.ActiveRecord(), 2);
    EXPECT_EQ(link.log, (QStringList { "scrolled 1" }));
    table->First();
    EXPECT_EQ(link.ActiveRecord(), 0);
    table->Last();
    EXPECT_EQ(link.ActiveRecord(), 2);
    EXPECT_EQ(link.RecordCount(), 3);

    // A larger window than rows shows them all and keeps the current row where it is.
    link.SetBufferCount(10);
    EXPECT_EQ(link.RecordCount(), 5);
    EXPECT_EQ(link.ActiveRecord(), 4);
    EXPECT_EQ(link.MoveBy(-2), -2);
    EXPECT_EQ(CurrentId(), 103);
}

TEST_F(DataLinkTest, PaintingAnotherRowOfTheWindowReadsItWithoutMovingTheTable)
{
    RecordingLink link;
    link.SetBufferCount(5);
    link.SetDataSource(source);
    table->Open();
    table->MoveBy(1);
    link.log.clear();
    QList<int> painted;
    const int saved = link.ActiveRecord();
    for (int i = 0; i < link.RecordCount(); ++i) {
        link.SetActiveRecord(i);
        painted << table->FieldByName("id_evento").AsInteger();
    }
    link.SetActiveRecord(saved);
    EXPECT_EQ(painted, (QList<int> { 101, 102, 103, 104, 105 }));
    EXPECT_EQ(table->RecNo(), 2);
    EXPECT_EQ(CurrentId(), 102);
    EXPECT_TRUE(link.log.isEmpty());
}

TEST_F(DataLinkTest, AFieldLinkFollowsItsFieldThroughOpenScrollAndClose)
{
    TFieldDataLink link;
    QStringList shown;
    link.OnDataChange
        = [&] { shown << (link.Field() ? link.Field()->DisplayText() : QStringLiteral("<none>")); };
    link.SetFieldName("nome");
    link.SetDataSource(source);
    table->Open();
    table->Next();
    table->Close();
    EXPECT_EQ(shown, (QStringList { "<none>", "Luíza Araújo", "Sebastião Magalhães", "<none>" }));
}

TEST_F(DataLinkTest, DisablingTheSourceLooksLikeAClosedTable)
{
    RecordingLink link;
    link.SetDataSource(source);
    table->Open();
    source->SetEnabled(false);
    EXPECT_EQ(link.DataSet(), nullptr);
    table->Next();
    source->SetEnabled(true);
    EXPECT_EQ(link.log, (QStringList { "active", "inactive", "active" }));
    EXPECT_EQ(source->State(), db::dsBrowse);
}

TEST_F(DataLinkTest, AFixedSourceCannotBeChanged)
{
    TDataLink link;
    link.SetDataSource(source);
    link.SetDataSourceFixed(true);
    EXPECT_THROW(link.SetDataSource(nullptr), Exception);
    EXPECT_EQ(link.DataSource(), source);
}

TEST_F(DataLinkTest, ReferencesBecomeNullWhenTheirTargetGoesAway)
{
    RecordingLink link;
    link.SetDataSource(source);
    table->Open();
    delete table;
    EXPECT_EQ(source->DataSet(), nullptr);
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(link.log, (QStringList { "active", "inactive" }));

    delete source;
    EXPECT_EQ(link.DataSource(), nullptr);

    delete query;
    EXPECT_EQ(provider->DataSet(), nullptr);
}

} // namespace
