// Data sets over the real server: field types and sizes, navigation, the in-memory copy
// a provider fills, and what empty or closed tables read.
#include "framework/Exception.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/DataSetProvider.h"
#include "framework/data/SQLConnection.h"
#include "framework/data/SQLQuery.h"
#include "support/TestDb.h"

#include <memory>

namespace {

// A query, a provider and an in-memory table on it, owned together as in a data module.
class DataSetTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        testdb::Configure(*connection, testdb::Port());
        query->SetName("qry");
        query->SetSQLConnection(connection);
        provider->SetName("dsp");
        provider->SetDataSet(query);
        table->SetName("cds");
        table->SetProviderName("dsp");
    }

    void Select(const QStringList& sql, const QStringList& params = {})
    {
        query->SetSQL(sql);
        query->Params()->Clear();
        for (const QString& p : params)
            query->Params()->Add()->SetName(p);
    }

    QStringList Column(TDataSet& ds, const char* field)
    {
        QStringList out;
        for (ds.First(); !ds.Eof(); ds.Next())
            out << ds.FieldByName(field).AsString();
        return out;
    }

    std::unique_ptr<TComponent> owner = std::make_unique<TComponent>();
    TSQLConnection* connection = new TSQLConnection(owner.get());
    TSQLQuery* query = new TSQLQuery(owner.get());
    TDataSetProvider* provider = new TDataSetProvider(owner.get());
    TClientDataSet* table = new TClientDataSet(owner.get());
};

TEST_F(DataSetTest, FieldsCarryTheColumnsTypesAndSizesInCharacters)
{
    Select({ "select e.id_evento, e.data_evento, e.nome, e.hora, e.tel_celular, f.nome_foto,",
        "count(*) as qto from evento e join x9_foto_escolhida f on f.id_evento = e.id_evento",
        "where e.id_evento = 101 group by e.id_evento, f.nome_foto order by min(f.id_foto_escolhida)" });
    table->Open();
    struct Expected {
        const char* name;
        TFieldType type;
        int size;
    };
    const Expected expected[] = {
        { "id_evento", db::ftInteger, 0 },
        { "data_evento", db::ftDate, 0 },
        { "nome", db::ftString, 30 },
        { "hora", db::ftString, 5 },
        { "tel_celular", db::ftString, 15 },
        { "nome_foto", db::ftString, 50 },
        { "qto", db::ftFMTBcd, 0 },
    };
    ASSERT_EQ(table->FieldCount(), int(std::size(expected)));
    for (int i = 0; i < table->FieldCount(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(table->Field(i)->FieldName(), QLatin1String(expected[i].name));
        EXPECT_EQ(table->Field(i)->DataType(), expected[i].type);
        EXPECT_EQ(table->Field(i)->Size(), expected[i].size);
        EXPECT_EQ(table->Field(i)->Index(), i);
    }
    EXPECT_TRUE(table->FieldByName("nome").Required());
    EXPECT_EQ(table->FieldByName("nome").DisplayWidth(), 30);
    EXPECT_EQ(table->FieldByName("qto").Alignment(), fw::taRightJustify);
    EXPECT_EQ(table->FieldByName("nome").Alignment(), fw::taLeftJustify);

    EXPECT_EQ(table->FieldByName("id_evento").AsInteger(), 101);
    EXPECT_EQ(table->FieldByName("id_evento").AsString(), QStringLiteral("101"));
    EXPECT_EQ(table->FieldByName("data_evento").AsDate(), QDate(2023, 5, 20));
    EXPECT_EQ(table->FieldByName("data_evento").DisplayText(), QStringLiteral("20/05/2023"));
    EXPECT_EQ(table->FieldByName("qto").AsString(), QStringLiteral("1"));
    EXPECT_EQ(table->FieldByName("qto").AsInteger(), 1);
    table->SetRecNo(10);
    EXPECT_EQ(table->FieldByName("nome_foto").AsString(),
        QStringLiteral("Álbum_Família_Araújo_Conceição_Recepção_000001.jpg"));
}

TEST_F(DataSetTest, ConversionsThatCannotHoldRaise)
{
    Select({ "select nome, data_evento, cast(4000000000 as decimal(21,0)) as grande from evento where "
             "id_evento = 101" });
    query->Open();
    EXPECT_EQ(query->FieldByName("grande").DataType(), db::ftFMTBcd);
    EXPECT_EQ(query->FieldByName("grande").AsString(), QStringLiteral("4000000000"));
    EXPECT_THROW(query->FieldByName("grande").AsInteger(), Exception);
    EXPECT_THROW(query->FieldByName("nome").AsInteger(), Exception);
    EXPECT_THROW(query->FieldByName("data_evento").AsInteger(), Exception);
    EXPECT_THROW(query->FieldByName("nao_existe"), Exception);
}

TEST_F(DataSetTest, NavigationWalksEveryRowInOrderAndFlagsBothEnds)
{
    Select({ "select id_evento from evento where id_empresa = :e order by id_evento" }, { "e" });
    query->ParamByName("e").SetAsInteger(1);
    table->Open();
    EXPECT_EQ(table->RecordCount(), 5);
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_TRUE(table->Bof());
    EXPECT_FALSE(table->Eof());
    EXPECT_EQ(Column(*table, "id_evento"), (QStringList { "101", "102", "103", "104", "105" }));
    // Past the end: Eof, and the last row stays current.
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->FieldByName("id_evento").AsInteger(), 105);
    table->Next();
    EXPECT_EQ(table->RecNo(), 5);

    table->Prior();
    EXPECT_FALSE(table->Eof());
    EXPECT_EQ(table->FieldByName("id_evento").AsInteger(), 104);
    EXPECT_EQ(table->MoveBy(-10), -3);
    EXPECT_TRUE(table->Bof());
    EXPECT_EQ(table->MoveBy(-1), 0);
    EXPECT_EQ(table->MoveBy(2), 2);
    EXPECT_FALSE(table->Bof());
    table->Last();
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->RecNo(), 5);
    table->First();
    EXPECT_EQ(table->FieldByName("id_evento").AsInteger(), 101);
}

TEST_F(DataSetTest, EmptyAndClosedTablesReadEmptyTextAndZero)
{
    // Never opened: any field name reads empty, and keeps reading empty.
    TField& before = table->FieldByName("id_evento");
    EXPECT_EQ(before.AsString(), QString());
    EXPECT_EQ(before.AsInteger(), 0);
    EXPECT_EQ(&table->FieldByName("ID_EVENTO"), &before);
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->RecordCount(), 0);

    Select({ "select id_evento, nome from evento where id_empresa = :e" }, { "e" });
    query->ParamByName("e").SetAsInteger(99);
    table->Open();
    EXPECT_TRUE(table->Active());
    EXPECT_TRUE(table->IsEmpty());
    EXPECT_TRUE(table->Eof());
    EXPECT_TRUE(table->Bof());
    EXPECT_EQ(table->RecNo(), 0);
    EXPECT_EQ(table->FieldByName("nome").AsString(), QString());
    EXPECT_EQ(table->FieldByName("id_evento").AsInteger(), 0);
    table->Next();
    EXPECT_TRUE(table->Eof());

    query->Close();
    query->ParamByName("e").SetAsInteger(1);
    table->Close();
    table->Open();
    TField& nome = table->FieldByName("nome");
    EXPECT_FALSE(nome.AsString().isEmpty());
    table->Close();
    EXPECT_EQ(nome.AsString(), QString());
    EXPECT_EQ(table->FieldByName("id_evento").AsInteger(), 0);
}

TEST_F(DataSetTest, TheCopyKeepsItsRowsWhenQueryAndConnectionClose)
{
    Select({ "select nome_foto, id_foto_escolhida from x9_foto_escolhida",
               "where id_empresa = :id_empresa and id_evento = :id_evento order by id_foto_escolhida" },
        { "id_empresa", "id_evento" });
    query->ParamByName("id_empresa").SetAsInteger(1);
    query->ParamByName("id_evento").SetAsInteger(102);
    table->Open();
    EXPECT_TRUE(query->Active());
    connection->Close();
    EXPECT_FALSE(query->Active());
    EXPECT_TRUE(table->Active());
    EXPECT_EQ(
        Column(*table, "nome_foto"), (QStringList { "FORM_0001.jpg", "FORM_0002.jpg", "FORM_0100.jpg" }));

    // Reopening the copy reruns the query; the old rows are gone.
    table->Close();
    query->ParamByName("id_evento").SetAsInteger(104);
    table->Open();
    EXPECT_EQ(Column(*table, "nome_foto"), (QStringList { "BATIZADO_0001.jpg" }));
}

TEST_F(DataSetTest, AProviderCopiesAnOpenQueryFromItsFirstRow)
{
    Select({ "select login from usuario where login <> '' order by login" });
    query->Open();
    query->Last();
    table->Open();
    EXPECT_EQ(table->RecNo(), 1);
    EXPECT_EQ(Column(*table, "login"), (QStringList { "ana", "joao", "marcia", "orfao" }));
}

TEST_F(DataSetTest, FieldSettingsShapeTheCopysFields)
{
    Select({ "select nome_foto, id_foto_escolhida from x9_foto_escolhida where id_evento = 104" });
    TFieldSetting* setting = table->FieldSettings()->Add();
    setting->SetFieldName("nome_foto");
    setting->SetDisplayWidth(29);
    table->Open();
    EXPECT_EQ(table->FieldByName("nome_foto").DisplayWidth(), 29);
    EXPECT_EQ(table->FieldByName("nome_foto").Size(), 50);
    EXPECT_EQ(query->FieldByName("nome_foto").DisplayWidth(), 50);

    // A setting for a field the result lacks is an error, not silently ignored.
    table->Close();
    setting->SetFieldName("nome_da_foto");
    EXPECT_THROW(table->Open(), Exception);
    EXPECT_FALSE(table->Active());
}

TEST_F(DataSetTest, AMissingProviderOrDataSetIsAnError)
{
    table->SetProviderName("dspNenhum");
    EXPECT_THROW(table->Open(), Exception);
    table->SetProviderName("dsp");
    delete query;
    EXPECT_EQ(provider->DataSet(), nullptr);
    EXPECT_THROW(table->Open(), Exception);
    EXPECT_FALSE(table->Active());
}

} // namespace

TEST(ClientDataSetData, OpensOnRowsGivenDirectlyAndKeepsThem)
{
    TClientDataSet table;
    auto* width = static_cast<TFieldSetting*>(table.FieldSettings()->Add());
    width->SetFieldName("nome_foto");
    width->SetDisplayWidth(29);
    table.LoadData({ { "nome_foto", db::ftString, 50 }, { "id_foto_escolhida", db::ftInteger, 0 } },
        { { "a.jpg", 1 }, { "b.jpg", 2 } });
    ASSERT_TRUE(table.Active());
    EXPECT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.FieldByName("nome_foto").DisplayWidth(), 29);
    table.Next();
    EXPECT_EQ(table.FieldByName("id_foto_escolhida").AsInteger(), 2);
    table.Close();
    table.Open();
    EXPECT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.FieldByName("nome_foto").AsString(), "a.jpg");
    // A provider named afterwards is where the rows come from again.
    table.SetProviderName("dspNone");
    EXPECT_THROW(table.Open(), Exception);
    EXPECT_FALSE(table.Active());
}
