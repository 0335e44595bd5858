// Editing an in-memory table: rows changed, added and deleted in memory only, what
// refuses an edit, what a move does to an edit in progress, marks that find rows again,
// and what data links hear. The rows are studio 1's events from the test database.
#include "framework/Exception.h"
#include "framework/data/DataLink.h"
#include "support/QueryTable.h"

namespace {

class EditLink : public TDataLink {
public:
    QStringList log;
    std::function<void()> onUpdate;

protected:
    void DataSetChanged() override { log << QStringLiteral("changed %1").arg(DataSet()->RecordCount()); }
    void RecordChanged(TField* field) override { log << "field " + (field ? field->FieldName() : "-"); }
    void EditingChanged() override { log << (Editing() ? "editing" : "browsing"); }
    void UpdateData() override
    {
        log << "update";
        if (onUpdate) onUpdate();
    }
};

class DataSetEditTest : public DatabaseTest, protected testdb::QueryTable {
protected:
    DataSetEditTest()
        : QueryTable(
            "select id_evento, nome, data_evento from evento where id_empresa = 1 order by id_evento")
    {
    }
    void SetUp() override
    {
        DatabaseTest::SetUp();
        Open();
    }
    QStringList Names()
    {
        QStringList names;
        for (const TRow& row : table->Rows())
            names << row.value(1).toString();
        return names;
    }
    int Id() { return table->FieldByName("id_evento").AsInteger(); }
    TField& Nome() { return table->FieldByName("nome"); }
};

const QStringList kNames { "Luíza Araújo", "Sebastião Magalhães", "Helena Simões", "André Conceição",
    "Cecília D'Ávila" };

} // namespace

TEST_F(DataSetEditTest, EditPostAndCancelChangeTheCopyAndNeverTheDatabase)
{
    ASSERT_EQ(Names(), kNames);
    table->Next();
    table->Edit();
    EXPECT_EQ(table->State(), db::dsEdit);
    EXPECT_FALSE(table->Modified());
    Nome().SetAsString("Sebastião M. Souza");
    EXPECT_TRUE(table->Modified());
    EXPECT_EQ(Nome().AsString(), "Sebastião M. Souza");
    // The row itself changes only with Post.
    EXPECT_EQ(table->Rows().at(1).value(1).toString(), "Sebastião Magalhães");
    table->Cancel();
    EXPECT_EQ(table->State(), db::dsBrowse);
    EXPECT_EQ(Nome().AsString(), "Sebastião Magalhães");

    table->Edit();
    Nome().SetAsString("Sebastião M. Souza");
    table->FieldByName("data_evento").SetAsString("09/07/2023");
    table->Post();
    EXPECT_EQ(table->State(), db::dsBrowse);
    EXPECT_EQ(Nome().AsString(), "Sebastião M. Souza");
    EXPECT_EQ(table->FieldByName("data_evento").AsDate(), QDate(2023, 7, 9));
    EXPECT_EQ(table->RecNo(), 2);

    // Read again from the server: the copy was the only thing that changed.
    table->Close();
    Open();
    EXPECT_EQ(Names(), kNames);
}

TEST_F(DataSetEditTest, InsertAppendAndDeleteWorkOnTheRowsInMemory)
{
    table->SetRecNo(3);
    table->Insert();
    EXPECT_EQ(table->State(), db::dsInsert);
    EXPECT_EQ(table->RecordCount(), 6);
    EXPECT_EQ(table->RecNo(), 3);
    EXPECT_TRUE(Nome().IsNull());
    table->Cancel();
    EXPECT_EQ(table->RecordCount(), 5);
    EXPECT_EQ(Id(), 103) << "the row that was current before the insert";

    table->Append();
    EXPECT_EQ(table->RecNo(), 6);
    EXPECT_TRUE(table->Eof());
    table->FieldByName("id_evento").SetAsInteger(106);
    Nome().SetAsString("Márcia Teixeira");
    table->FieldByName("data_evento").SetAsString("01/03/2024");
    table->Post();
    EXPECT_EQ(Names(), kNames + QStringList { "Márcia Teixeira" });

    table->SetRecNo(2);
    table->Delete();
    EXPECT_EQ(Id(), 103) << "the next row takes the deleted one's place";
    table->Last();
    table->Delete();
    EXPECT_EQ(Id(), 105) << "deleting the last row makes the one before it current";
    EXPECT_EQ(Names(), (QStringList { kNames[0], kNames[2], kNames[3], kNames[4] }));
    // Deleting a new row is cancelling it.
    table->Append();
    table->Delete();
    EXPECT_EQ(table->RecordCount(), 4);
    EXPECT_EQ(table->State(), db::dsBrowse);
}

TEST_F(DataSetEditTest, WhatRefusesAnEditLeavesTheRowsAsTheyWere)
{
    // A required field without a value: the row stays being inserted.
    table->Append();
    table->FieldByName("id_evento").SetAsInteger(107);
    table->FieldByName("data_evento").SetAsString("02/03/2024");
    ASSERT_TRUE(Nome().Required());
    EXPECT_THROW(table->Post(), Exception);
    EXPECT_EQ(table->State(), db::dsInsert);
    // Text a field cannot hold is refused; text longer than the column is cut to it.
    EXPECT_THROW(table->FieldByName("id_evento").SetAsString("cento e sete"), Exception);
    EXPECT_THROW(table->FieldByName("data_evento").SetAsString("31/02/2024"), Exception);
    Nome().SetAsString(QString(40, QLatin1Char('x')));
    EXPECT_EQ(Nome().AsString(), QString(30, QLatin1Char('x')));
    // A value read as an empty text is a value: the row of an event without a phone posts.
    table->Cancel();
    EXPECT_EQ(table->RecordCount(), 5);

    // Browsing: no field takes a value.
    EXPECT_THROW(Nome().SetAsString("x"), Exception);
    // Read-only: nothing edits, inserts or deletes.
    table->SetReadOnly(true);
    EXPECT_FALSE(table->CanModify());
    EXPECT_THROW(table->Edit(), Exception);
    EXPECT_THROW(table->Append(), Exception);
    EXPECT_THROW(table->Delete(), Exception);
    EXPECT_EQ(Names(), kNames);
    table->SetReadOnly(false);
    EXPECT_TRUE(table->CanModify());
    // Closed: nothing to edit.
    table->Close();
    EXPECT_FALSE(table->CanModify());
    EXPECT_THROW(table->Edit(), Exception);
}

TEST_F(DataSetEditTest, MovingOnPostsAChangedRowAndDropsAnUntouchedNewOne)
{
    table->Edit();
    Nome().SetAsString("Luíza A. Prado");
    table->Next();
    EXPECT_EQ(table->State(), db::dsBrowse);
    EXPECT_EQ(table->Rows().at(0).value(1).toString(), "Luíza A. Prado");

    table->Append();
    table->Prior();
    EXPECT_EQ(table->RecordCount(), 5) << "an empty new row is dropped, not posted";
    EXPECT_EQ(Id(), 104) << "and the step back is taken from the last row";

    // An empty table edits by adding its first row.
    table->First();
    while (!table->IsEmpty())
        table->Delete();
    table->Edit();
    EXPECT_EQ(table->State(), db::dsInsert);
    EXPECT_EQ(table->RecordCount(), 1);
}

TEST_F(DataSetEditTest, MarksFindTheirRowsAfterOthersCameAndWent)
{
    table->SetRecNo(4);
    const TDataSet::TBookmark andre = table->Bookmark();
    table->SetRecNo(2);
    const TDataSet::TBookmark sebastiao = table->Bookmark();
    table->First();
    table->Insert();
    table->FieldByName("id_evento").SetAsInteger(100);
    Nome().SetAsString("Primeiro");
    table->FieldByName("data_evento").SetAsString("01/01/2023");
    table->Post();
    ASSERT_TRUE(table->GotoBookmark(andre));
    EXPECT_EQ(Id(), 104);
    ASSERT_TRUE(table->GotoBookmark(sebastiao));
    table->Delete();
    EXPECT_FALSE(table->BookmarkValid(sebastiao));
    EXPECT_FALSE(table->GotoBookmark(sebastiao));
    EXPECT_EQ(Id(), 103);
}

TEST_F(DataSetEditTest, LinksHearTheStateTheFieldsAndTheRowsAndWriteTheirEditsFirst)
{
    EditLink link;
    link.SetDataSource(source);
    // A control's edit reaches its field when the post asks for it.
    link.onUpdate = [&] {
        if (table->State() == db::dsEdit) Nome().SetAsString("Helena S. Rocha");
    };
    table->SetRecNo(3);
    link.log.clear();
    EXPECT_TRUE(link.Edit());
    table->Post();
    EXPECT_EQ(link.log, (QStringList { "editing", "update", "field nome", "changed 5", "browsing" }));
    EXPECT_EQ(Nome().AsString(), "Helena S. Rocha");

    link.log.clear();
    table->Append();
    table->Cancel();
    EXPECT_EQ(link.log, (QStringList { "changed 6", "editing", "changed 5", "browsing" }));

    // Without AutoEdit a link does not start editing; a read-only table never does.
    source->SetAutoEdit(false);
    EXPECT_FALSE(link.Edit());
    EXPECT_EQ(table->State(), db::dsBrowse);
    source->SetAutoEdit(true);
    table->SetReadOnly(true);
    EXPECT_FALSE(link.Edit());
}
