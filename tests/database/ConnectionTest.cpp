// The connection and its queries against the real server: text in both directions,
// errors with the driver's own words, and recovering from a server that went away.
#include "framework/Exception.h"
#include "framework/data/SQLConnection.h"
#include "framework/data/SQLQuery.h"
#include "support/TestDb.h"

#include <QMap>
#include <memory>
#include <utility>

namespace {

class ConnectionTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        testdb::Configure(*connection, testdb::Port());
    }

    // A query on the connection with `lines` and its parameters declared.
    TSQLQuery* Query(const QStringList& lines, const QStringList& params = {})
    {
        auto* q = new TSQLQuery(owner.get());
        q->SetSQLConnection(connection);
        q->SetSQL(lines);
        for (const QString& name : params)
            q->Params()->Add()->SetName(name);
        return q;
    }

    // The message of the Exception `action` raises; fails the test when none is raised.
    template <class F> QString ErrorOf(F action)
    {
        try {
            action();
        } catch (const Exception& e) {
            return e.Message();
        }
        ADD_FAILURE() << "no Exception raised";
        return {};
    }

    std::unique_ptr<TComponent> owner = std::make_unique<TComponent>();
    TSQLConnection* connection = new TSQLConnection(owner.get());
};

TEST_F(ConnectionTest, PortugueseTextTravelsIntactBothWays)
{
    TSQLQuery* q = Query({ "select nome from evento where nome = :nome" }, { "nome" });
    q->ParamByName("nome").SetAsString(QStringLiteral("Luíza Araújo"));
    q->Open();
    ASSERT_EQ(q->RecordCount(), 1);
    EXPECT_EQ(q->FieldByName("nome").AsString(), QStringLiteral("Luíza Araújo"));

    TSQLQuery* company = Query({ "select razao from empresa where id_empresa = 1" });
    company->Open();
    EXPECT_EQ(company->FieldByName("razao").AsString(), QStringLiteral("Foto Estúdio Ação Ltda."));
}

TEST_F(ConnectionTest, OpeningAQueryConnectsAndClosingTheConnectionClosesEveryQuery)
{
    TSQLQuery* a = Query({ "select id_empresa from empresa" });
    TSQLQuery* b = Query({ "select login from usuario" });
    EXPECT_FALSE(connection->Connected());
    a->Open();
    b->Open();
    EXPECT_TRUE(connection->Connected());
    EXPECT_EQ(connection->OpenQueryCount(), 2);

    connection->Close();
    EXPECT_FALSE(connection->Connected());
    EXPECT_FALSE(a->Active());
    EXPECT_FALSE(b->Active());
    EXPECT_EQ(a->FieldByName("id_empresa").AsInteger(), 0);

    // The next open connects again.
    a->Open();
    EXPECT_TRUE(connection->Connected());
    EXPECT_EQ(a->RecordCount(), 2);
}

TEST_F(ConnectionTest, ParametersAreBoundByNameAndTypedByTheBinding)
{
    TSQLQuery* q = Query({ "select nome from evento", "where id_empresa = :empresa and id_evento > :desde",
                             "and nome like :nome", "order by id_evento" },
        { "nome", "desde", "empresa" });
    q->ParamByName("empresa").SetAsInteger(1);
    q->ParamByName("desde").SetAsInteger(101);
    q->ParamByName("NOME").SetAsString(QStringLiteral("%ão%"));
    EXPECT_EQ(q->ParamByName("empresa").DataType(), db::ftInteger);
    EXPECT_EQ(q->ParamByName("nome").DataType(), db::ftString);
    q->Open();
    QStringList names;
    for (q->First(); !q->Eof(); q->Next())
        names << q->FieldByName("nome").AsString();
    EXPECT_EQ(
        names, (QStringList { QStringLiteral("Sebastião Magalhães"), QStringLiteral("André Conceição") }));
}

TEST_F(ConnectionTest, MissingParametersAreErrorsNotNulls)
{
    TSQLQuery* q = Query({ "select 1 from usuario where login = :login" }, { "login" });
    EXPECT_EQ(ErrorOf([&] { q->Open(); }), QStringLiteral("No value for parameter 'login'"));
    EXPECT_EQ(ErrorOf([&] { q->ParamByName("senha"); }), QStringLiteral("Parameter 'senha' not found"));
    EXPECT_FALSE(q->Active());
}

TEST_F(ConnectionTest, ServerErrorsCarryTheServersMessageAndLeaveTheConnectionUsable)
{
    TSQLQuery* bad = Query({ "select * from tabela_que_nao_existe" });
    EXPECT_EQ(ErrorOf([&] { bad->Open(); }),
        QStringLiteral("Table 'zelvarion.tabela_que_nao_existe' doesn't exist"));
    EXPECT_FALSE(bad->Active());
    TSQLQuery* good = Query({ "select count(*) as n from evento" });
    good->Open();
    EXPECT_EQ(good->FieldByName("n").AsString(), QStringLiteral("7"));
}

TEST_F(ConnectionTest, TheAccountCanOnlyRead)
{
    const QStringList writes[] = {
        { "insert into empresa (razao, nome_fantazia) values ('x', 'y')" },
        { "update usuario set senha = 'X' where login = 'ana'" },
        { "delete from x9_foto_escolhida" },
        { "drop table evento" },
        { "create table intrusa (id int)" },
    };
    for (const QStringList& sql : writes) {
        const QString message = ErrorOf([&] { Query(sql)->Open(); });
        EXPECT_TRUE(message.contains(QStringLiteral("denied"))) << message.toStdString();
    }
    TSQLQuery* check = Query({ "select count(*) as n from x9_foto_escolhida" });
    check->Open();
    EXPECT_EQ(check->FieldByName("n").AsString(), QStringLiteral("19"));
}

TEST_F(ConnectionTest, ConnectionFailuresRaiseTheClientLibrarysMessage)
{
    connection->SetParamValue("Password", "errada");
    TSQLQuery* q = Query({ "select 1" });
    EXPECT_TRUE(ErrorOf([&] { q->Open(); }).startsWith(QStringLiteral("Access denied for user 'zelvarion'")));
    EXPECT_FALSE(connection->Connected());

    // Nothing listens on the port of a server that was stopped.
    testdb::PrivateServer gone;
    ASSERT_TRUE(gone.Start());
    ASSERT_TRUE(gone.Stop());
    testdb::Configure(*connection, gone.Port());
    const QString refused = ErrorOf([&] { q->Open(); });
    // A line the clerk understands comes first, the library's own words below it.
    EXPECT_TRUE(
        refused.startsWith(QString::fromUtf8("Não foi possível conectar ao servidor do banco de dados.\n"
                                             "Can't connect to server on '127.0.0.1'")))
        << refused.toStdString();

    connection->SetDriverName("NoSuchDriver");
    EXPECT_EQ(ErrorOf([&] { q->Open(); }), QStringLiteral("Driver not loaded"));

    connection->SetDriverName("MySQL");
    connection->SetParamValue("Charset", "latin1");
    EXPECT_EQ(ErrorOf([&] { q->Open(); }), QStringLiteral("Character set 'latin1' is not supported"));
}

TEST_F(ConnectionTest, AServerRestartedMidSessionServesTheNextAction)
{
    testdb::PrivateServer server;
    ASSERT_TRUE(server.Start());
    testdb::Configure(*connection, server.Port());
    TSQLQuery* q = Query({ "select login from usuario where login = :login" }, { "login" });
    q->ParamByName("login").SetAsString("ana");

    // Between actions: the connection is closed, so the next one connects anew.
    q->Open();
    connection->Close();
    ASSERT_TRUE(server.Stop());
    const QString refused = ErrorOf([&] { q->Open(); });
    EXPECT_TRUE(refused.section(u'\n', 1).startsWith(QStringLiteral("Can't connect to server")))
        << refused.toStdString();
    ASSERT_TRUE(server.Start());
    q->Open();
    EXPECT_EQ(q->FieldByName("login").AsString(), QStringLiteral("ana"));

    // An action that failed half-way leaves its connection open; when the server goes
    // away under it, the error closes it, so the action after the restart reconnects.
    q->Close();
    EXPECT_TRUE(connection->Connected());
    ASSERT_TRUE(server.Stop());
    ASSERT_TRUE(server.Start());
    const QString lost = ErrorOf([&] { q->Open(); });
    EXPECT_TRUE(
        lost.startsWith(QString::fromUtf8("A conexão com o servidor do banco de dados foi perdida.\n")))
        << lost.toStdString();
    EXPECT_FALSE(connection->Connected());
    q->Open();
    EXPECT_EQ(q->FieldByName("login").AsString(), QStringLiteral("ana"));
}

TEST_F(ConnectionTest, AQueryClosedWhileItsConnectionStaysOpenReleasesItsStatement)
{
    // An open query keeps its statement until the connection ends; one closed on its own
    // must give it back at once, or a connection held open would pile them up.
    TSQLQuery* status = Query({ "show session status like 'Com_stmt_%'" });
    const auto counts = [&] {
        status->Close();
        status->Open();
        QMap<QString, int> values;
        for (status->First(); !status->Eof(); status->Next())
            values[status->FieldByName("Variable_name").AsString()]
                = status->FieldByName("Value").AsInteger();
        return std::pair { values.value("Com_stmt_prepare"), values.value("Com_stmt_close") };
    };
    TSQLQuery* q = Query({ "select login from usuario where login = :login" }, { "login" });
    q->ParamByName("login").SetAsString("ana");
    const auto [prepared, closed] = counts();
    for (int i = 0; i < 5; ++i) {
        q->Open();
        EXPECT_EQ(q->FieldByName("login").AsString(), QStringLiteral("ana"));
        q->Close();
    }
    const auto [preparedAfter, closedAfter] = counts();
    // Five for the query and one for the status query's own reopening, each way.
    EXPECT_EQ(preparedAfter - prepared, 6);
    EXPECT_EQ(closedAfter - closed, 6);
    EXPECT_TRUE(connection->Connected());
    EXPECT_EQ(connection->OpenQueryCount(), 1);
}

TEST_F(ConnectionTest, DestroyingTheConnectionLeavesItsQueriesWithoutOne)
{
    TSQLQuery* q = Query({ "select 1 as um" });
    q->Open();
    delete connection;
    EXPECT_EQ(q->SQLConnection(), nullptr);
    EXPECT_FALSE(q->Active());
    EXPECT_TRUE(q->Name().isEmpty());
    q->SetName("qry");
    EXPECT_EQ(ErrorOf([&] { q->Open(); }), QStringLiteral("qry: Missing SQLConnection property"));
}

} // namespace
