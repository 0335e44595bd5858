// The data module as the windows use it: its declared components, and each action
// against the real server with the studio fixtures.
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "framework/Exception.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/DataSetProvider.h"
#include "framework/data/DataSource.h"
#include "framework/data/SQLConnection.h"
#include "framework/data/SQLQuery.h"
#include "support/TestDb.h"

#include <QElapsedTimer>
#include <functional>
#include <memory>

namespace {

class DMTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        RegisterQuiraClasses();
        dm = std::make_unique<TDM>();
        testdb::Redirect(*dm->ConectMysql, testdb::Port());
    }

    // Logs a user of studio `empresa` in.
    void LoggedIn(qint32 empresa) { dm->IdEmpresa = empresa; }

    QStringList Column(TDataSet* ds, const char* field)
    {
        QStringList out;
        for (ds->First(); !ds->Eof(); ds->Next())
            out << ds->FieldByName(field).AsString();
        return out;
    }

    void ExpectDisconnected()
    {
        EXPECT_FALSE(dm->ConectMysql->Connected());
        EXPECT_EQ(dm->ConectMysql->OpenQueryCount(), 0);
    }

    std::unique_ptr<TDM> dm;
};

TEST_F(DMTest, DeclaresItsComponentsInOrderWithTheirSettings)
{
    QStringList names;
    for (QObject* c : dm->Components())
        names << c->objectName();
    EXPECT_EQ(names,
        (QStringList { "ConectMysql", "qryEmpresa", "dspEmpresa", "cdsEmpresa", "qryUsuario", "qryEvento",
            "cdsEvento", "dspEvento", "dsEvento", "cdsEventoEscolhido", "dsEventoEscolhido", "vnSkinData1",
            "vnCompressed", "qryFotoEscolhida", "dspFotoEscolhida", "cdsFotoEscolhida", "dsFotoEscolhida",
            "qryQtoFtosEscohidas", "dspQtoFtosEscohidas", "cdsQtoFtosEscohidas" }));
    EXPECT_EQ(dm->Name(), QStringLiteral("DM"));
    EXPECT_EQ(dm->IdEmpresa, 0);

    EXPECT_EQ(dm->dspEmpresa->DataSet(), dm->qryEmpresa);
    EXPECT_EQ(dm->dspEvento->DataSet(), dm->qryEvento);
    EXPECT_EQ(dm->dsEvento->DataSet(), dm->cdsEvento);
    // The event list is read-only and its source starts no edit; the other copies may be
    // changed in memory (never on the server).
    EXPECT_TRUE(dm->cdsEvento->ReadOnly());
    EXPECT_FALSE(dm->dsEvento->AutoEdit());
    EXPECT_FALSE(dm->cdsFotoEscolhida->ReadOnly());
    EXPECT_TRUE(dm->dsFotoEscolhida->AutoEdit());
    EXPECT_EQ(dm->dsEventoEscolhido->DataSet(), dm->cdsEventoEscolhido);
    // The chosen event is shown, never edited.
    EXPECT_TRUE(dm->cdsEventoEscolhido->ReadOnly());
    EXPECT_FALSE(dm->dsEventoEscolhido->AutoEdit());
    EXPECT_EQ(dm->dsFotoEscolhida->DataSet(), dm->cdsFotoEscolhida);
    EXPECT_EQ(dm->cdsQtoFtosEscohidas->ProviderName(), QStringLiteral("dspQtoFtosEscohidas"));
    for (TSQLQuery* q :
        { dm->qryEmpresa, dm->qryUsuario, dm->qryEvento, dm->qryFotoEscolhida, dm->qryQtoFtosEscohidas })
        EXPECT_EQ(q->SQLConnection(), dm->ConectMysql) << q->Name().toStdString();
    EXPECT_EQ(dm->qryUsuario->ParamByName("senha").DataType(), db::ftString);
    EXPECT_EQ(dm->qryFotoEscolhida->ParamByName("id_x9_local").DataType(), db::ftInteger);
}

TEST_F(DMTest, TheConnectionCarriesItsParametersTimeoutsAndTheBuildsServer)
{
    TDM declared; // not redirected
    EXPECT_EQ(declared.ConectMysql->DriverName(), QStringLiteral("MySQL"));
    EXPECT_EQ(declared.ConectMysql->Params(),
        (QStringList { "DriverName=MySQL", "HostName=" QUIRA_DB_HOST, "Database=zelvarion",
            "User_Name=zelvarion", "Password=pomar481736", "BlobSize=-1",
            "ErrorResourceFile=", "LocaleCode=0000", "Charset=utf-8", "Collation=latin1_swedish_ci",
            "ConnectTimeout=5", "ReadTimeout=60", "WriteTimeout=60" }));
    EXPECT_EQ(declared.ConectMysql->Port(), QUIRA_DB_PORT);
}

TEST_F(DMTest, TheFiveQueriesAreDeclaredWordForWord)
{
    EXPECT_EQ(dm->qryEmpresa->SQLText(),
        "select razao, nome_fantazia from empresa\nwhere id_empresa = :id_empresa");
    EXPECT_EQ(dm->qryUsuario->SQLText(),
        "SELECT login, nome, id_empresa FROM usuario\nwhere login = :login\nand senha = :senha");
    EXPECT_EQ(dm->qryEvento->SQLText(),
        "SELECT b.id_evento, b.data_evento, b.nome, b.hora, b.tel_residencial, b.tel_comercial, "
        "b.tel_celular, "
        "c.descricao\nFROM evento_localizador a, evento b, tipo_evento c\nwhere b.id_evento = a.id_evento\n"
        "and c.id_tipo_evento = b.id_tipo_evento\nand b.id_empresa = :id_empresa\nand a.localizador like "
        ":dados\n"
        "\norder by b.data_evento, b.nome");
    EXPECT_EQ(dm->qryFotoEscolhida->SQLText(),
        "SELECT nome_foto, id_foto_escolhida\nFROM x9_foto_escolhida\n"
        "WHERE id_empresa = :id_empresa\nAND id_evento = :id_evento\n"
        "AND id_x9_local = :id_x9_local");
    EXPECT_EQ(dm->qryQtoFtosEscohidas->SQLText(),
        "SELECT  distinct(id_x9_local), count(id_x9_local) as qto\nFROM x9_foto_escolhida\n"
        "WHERE id_empresa = :id_empresa\nAND id_evento = :id_evento\ngroup by id_x9_local");
}

TEST_F(DMTest, AWrongPasswordThenTheRightOneLogsIn)
{
    const TLoginResult wrong = dm->CheckLogin("ana", "SOL999");
    EXPECT_FALSE(wrong.Found);
    EXPECT_EQ(wrong.IdEmpresa, 0);
    ExpectDisconnected();
    const TLoginResult right = dm->CheckLogin("ana", "SOL123");
    EXPECT_TRUE(right.Found);
    EXPECT_EQ(right.IdEmpresa, 1);
    ExpectDisconnected();
    // The user query read directly was closed with the connection.
    EXPECT_EQ(dm->qryUsuario->FieldByName("login").AsString(), QString());

    const TLoginResult other = dm->CheckLogin("marcia", "MAR789");
    EXPECT_TRUE(other.Found);
    EXPECT_EQ(other.IdEmpresa, 2);
    // Setting the company is the login window's part.
    EXPECT_EQ(dm->IdEmpresa, 0);
}

TEST_F(DMTest, EmptyOrUnknownLoginsNeverGetIn)
{
    // The fixtures hold a row with an empty login and password: it still reads as no user.
    const QString attempts[][2] = {
        { "", "" },
        { "", "SOL123" },
        { "ninguem", "SOL123" },
        { "ana' -- ", "x" },
        { "ana", "' OR '1'='1" },
    };
    for (const auto& attempt : attempts) {
        const TLoginResult r = dm->CheckLogin(attempt[0], attempt[1]);
        EXPECT_FALSE(r.Found) << attempt[0].toStdString() << " / " << attempt[1].toStdString();
        EXPECT_EQ(r.IdEmpresa, 0);
        ExpectDisconnected();
    }
}

TEST_F(DMTest, TheCompanyOfTheLoggedInUserIsLoadedWithItsAccents)
{
    LoggedIn(1);
    const TCompany company = dm->LoadCompany();
    ExpectDisconnected();
    EXPECT_EQ(company.NomeFantazia, QStringLiteral("Estúdio Ação"));
    EXPECT_EQ(company.Razao, QStringLiteral("Foto Estúdio Ação Ltda."));
    // The copy keeps the row after the connection closed.
    EXPECT_EQ(dm->cdsEmpresa->FieldByName("nome_fantazia").AsString(), QStringLiteral("Estúdio Ação"));
    EXPECT_EQ(dm->cdsEmpresa->FieldByName("razao").Size(), 60);
}

TEST_F(DMTest, AnUnknownCompanyReadsAsEmptyText)
{
    LoggedIn(77);
    const TCompany company = dm->LoadCompany();
    EXPECT_TRUE(dm->cdsEmpresa->IsEmpty());
    EXPECT_EQ(company.NomeFantazia, QString());
    EXPECT_EQ(company.Razao, QString());
}

TEST_F(DMTest, TheSearchListsEventsByDateAndNameOncePerMatchingSearchText)
{
    LoggedIn(1);
    dm->SearchEvents("%%");
    ExpectDisconnected();
    EXPECT_EQ(Column(dm->cdsEvento, "id_evento"), (QStringList { "103", "104", "101", "101", "102", "105" }));

    dm->SearchEvents("%Araújo%");
    EXPECT_EQ(dm->cdsEvento->RecNo(), 1);
    EXPECT_EQ(Column(dm->cdsEvento, "nome"), (QStringList { "Luíza Araújo", "Luíza Araújo" }));
    dm->cdsEvento->First();
    EXPECT_EQ(dm->cdsEvento->FieldByName("data_evento").DisplayText(), QStringLiteral("20/05/2023"));
    EXPECT_EQ(dm->cdsEvento->FieldByName("hora").AsString(), QStringLiteral("16:30"));
    EXPECT_EQ(dm->cdsEvento->FieldByName("descricao").AsString(), QStringLiteral("Casamento"));
    EXPECT_EQ(dm->cdsEvento->FieldByName("tel_celular").AsString(), QStringLiteral("(11) 99999-0101"));
    EXPECT_EQ(dm->cdsEvento->FieldByName("id_evento").AsInteger(), 101);
}

TEST_F(DMTest, NoStudioSeesAnotherStudiosEvents)
{
    LoggedIn(1);
    dm->SearchEvents("%Pereira%");
    EXPECT_TRUE(dm->cdsEvento->IsEmpty());
    EXPECT_EQ(dm->cdsEvento->FieldByName("id_evento").AsInteger(), 0);
    dm->SearchEvents("%Luíza%");
    EXPECT_EQ(Column(dm->cdsEvento, "id_evento"), (QStringList { "101", "101" }));

    LoggedIn(2);
    dm->SearchEvents("%Luíza%");
    EXPECT_EQ(Column(dm->cdsEvento, "id_evento"), (QStringList { "202" }));
}

TEST_F(DMTest, SearchTextIsBoundNeverExecuted)
{
    LoggedIn(1);
    const char* hostile[] = {
        "%' OR '1'='1%",
        "%' OR 1=1 -- %",
        "%\\' OR 1=1 #%",
        "%\"; DROP TABLE evento; --%",
        "%' UNION SELECT id_empresa, razao, razao, razao, razao, razao, razao, razao FROM empresa -- %",
        "%SELECT%",
        "%\\%",
    };
    for (const char* text : hostile) {
        dm->SearchEvents(QString::fromUtf8(text));
        EXPECT_TRUE(dm->cdsEvento->IsEmpty()) << text;
        ExpectDisconnected();
    }
    // Quotes reach the server as text; "_" and "%" are LIKE's own wildcards.
    dm->SearchEvents("%D'Ávila%");
    EXPECT_EQ(Column(dm->cdsEvento, "nome"), (QStringList { "Cecília D'Ávila" }));
    dm->SearchEvents("%Ara_jo%Matriz%");
    EXPECT_EQ(Column(dm->cdsEvento, "id_evento"), (QStringList { "101" }));
    // Nothing was dropped.
    dm->SearchEvents("%%");
    EXPECT_EQ(dm->cdsEvento->RecordCount(), 6);
}

TEST_F(DMTest, ASearchTextTheColumnsCannotHoldFindsNothingWithoutAnError)
{
    LoggedIn(1);
    for (const QString text :
        { QStringLiteral("%写真%"), QStringLiteral("%Araújo 📷%"), QStringLiteral("%\u0100%") }) {
        dm->SearchEvents("%%"); // a previous result, which the search must replace
        EXPECT_NO_THROW(dm->SearchEvents(text)) << text.toStdString();
        EXPECT_TRUE(dm->cdsEvento->IsEmpty()) << text.toStdString();
        ExpectDisconnected();
    }
    // The Windows code page's own characters still reach the server and simply match
    // nothing here.
    for (const QString text : { QStringLiteral("%€%"), QStringLiteral("%“Ávila”%") }) {
        EXPECT_NO_THROW(dm->SearchEvents(text)) << text.toStdString();
        EXPECT_TRUE(dm->cdsEvento->IsEmpty());
    }
    dm->SearchEvents("%Araújo%");
    EXPECT_EQ(dm->cdsEvento->RecordCount(), 2);
}

TEST_F(DMTest, TheChosenListHoldsOneCategoryOfOneEventOfTheStudio)
{
    LoggedIn(1);
    dm->LoadChosenPhotos(101, 7);
    ExpectDisconnected();
    QStringList names = Column(dm->cdsFotoEscolhida, "nome_foto");
    names.sort();
    // Studio 2's row on the same event id stays out.
    EXPECT_EQ(names, (QStringList { "Cerimônia_Entrada_Noiva.jpg", "DSC_0001.jpg", "DSC_0002.jpg" }));
    EXPECT_EQ(dm->cdsFotoEscolhida->RecordCount(), 3);

    dm->LoadChosenPhotos(101, 5);
    EXPECT_EQ(dm->cdsFotoEscolhida->RecordCount(), 4);
    TField& nome = dm->cdsFotoEscolhida->FieldByName("nome_foto");
    EXPECT_EQ(nome.Size(), 50);
    EXPECT_EQ(nome.DisplayWidth(), 29);
    EXPECT_EQ(dm->cdsFotoEscolhida->Field(0), &nome);
    EXPECT_EQ(dm->cdsFotoEscolhida->Field(1)->FieldName(), QStringLiteral("id_foto_escolhida"));
    EXPECT_TRUE(Column(dm->cdsFotoEscolhida, "nome_foto")
                    .contains(QStringLiteral("Álbum_Família_Araújo_Conceição_Recepção_000001.jpg")));

    dm->LoadChosenPhotos(103, 7);
    EXPECT_TRUE(dm->cdsFotoEscolhida->Eof());
    EXPECT_EQ(dm->cdsFotoEscolhida->RecordCount(), 0);
    EXPECT_EQ(dm->cdsFotoEscolhida->FieldByName("nome_foto").AsString(), QString());
}

TEST_F(DMTest, CountsOmitEmptyCategoriesAndKeepUnknownOnes)
{
    LoggedIn(1);
    auto counts = [&] {
        QStringList out;
        for (dm->cdsQtoFtosEscohidas->First(); !dm->cdsQtoFtosEscohidas->Eof();
             dm->cdsQtoFtosEscohidas->Next())
            out << QStringLiteral("%1:%2")
                       .arg(dm->cdsQtoFtosEscohidas->FieldByName("id_x9_local").AsInteger())
                       .arg(dm->cdsQtoFtosEscohidas->FieldByName("qto").AsString());
        out.sort();
        return out;
    };
    dm->LoadCounts(101);
    ExpectDisconnected();
    EXPECT_EQ(counts(), (QStringList { "4:2", "5:4", "6:1", "7:3", "8:1", "9:2" }));
    EXPECT_EQ(dm->cdsQtoFtosEscohidas->FieldByName("qto").DataType(), db::ftFMTBcd);
    EXPECT_EQ(dm->cdsQtoFtosEscohidas->FieldByName("id_x9_local").DataType(), db::ftInteger);

    dm->LoadCounts(102);
    EXPECT_EQ(counts(), (QStringList { "5:1", "7:2" }));
    dm->LoadCounts(103);
    EXPECT_TRUE(counts().isEmpty());
    dm->LoadCounts(0);
    EXPECT_TRUE(counts().isEmpty());
}

TEST_F(DMTest, AServerThatStopsMidSessionFailsTheActionAndTheNextOneAfterARestartWorks)
{
    testdb::PrivateServer server;
    ASSERT_TRUE(server.Start());
    testdb::Redirect(*dm->ConectMysql, server.Port());
    ASSERT_TRUE(dm->CheckLogin("ana", "SOL123").Found);
    LoggedIn(1);
    dm->SearchEvents("%%");
    ASSERT_EQ(dm->cdsEvento->RecordCount(), 6);

    ASSERT_TRUE(server.Stop());
    // Each action raises the client library's message and stops where it failed.
    const std::function<void()> actions[] = {
        [&] { dm->LoadCompany(); },
        [&] { dm->SearchEvents("%%"); },
        [&] { dm->LoadChosenPhotos(101, 7); },
        [&] { dm->LoadCounts(101); },
        [&] { dm->CheckLogin("ana", "SOL123"); },
    };
    for (const auto& action : actions) {
        try {
            action();
            ADD_FAILURE() << "no error with the server stopped";
        } catch (const Exception& e) {
            // A line the clerk understands, above the library's own message.
            EXPECT_TRUE(
                e.Message().startsWith(QString::fromUtf8("Não foi possível conectar ao servidor do banco de "
                                                         "dados.\nCan't connect to server on '127.0.0.1'")))
                << e.Message().toStdString();
            ExpectDisconnected();
        }
    }
    // The search closed the previous result before it failed: the grid is empty.
    EXPECT_FALSE(dm->cdsEvento->Active());
    EXPECT_EQ(dm->IdEmpresa, 1);

    ASSERT_TRUE(server.Start());
    EXPECT_EQ(dm->LoadCompany().NomeFantazia, QStringLiteral("Estúdio Ação"));
    dm->SearchEvents("%Helena%");
    EXPECT_EQ(Column(dm->cdsEvento, "id_evento"), (QStringList { "103" }));
    ExpectDisconnected();
}

// A server that stops answering (frozen, its connections open) ends each action in an
// error within the connection's timeouts, never holding the window; once it answers
// again the next action works.
TEST_F(DMTest, AFrozenServerEndsEachActionWithinTheTimeoutAndTheNextActionWorksWhenItIsBack)
{
    testdb::PrivateServer server;
    ASSERT_TRUE(server.Start());
    testdb::Redirect(*dm->ConectMysql, server.Port());
    constexpr int kTimeout = 2;
    testdb::LimitTimes(*dm->ConectMysql, kTimeout);
    ASSERT_TRUE(dm->CheckLogin("ana", "SOL123").Found);
    LoggedIn(1);

    ASSERT_TRUE(server.Freeze(true));
    const std::function<void()> actions[] = {
        [&] { dm->SearchEvents("%%"); },
        [&] { dm->CheckLogin("ana", "SOL123"); },
        [&] { dm->LoadChosenPhotos(101, 7); },
    };
    for (const auto& action : actions) {
        QElapsedTimer timer;
        timer.start();
        try {
            action();
            ADD_FAILURE() << "no error with the server frozen";
        } catch (const Exception& e) {
            const QString first = e.Message().section(u'\n', 0, 0);
            EXPECT_TRUE(first == QString::fromUtf8("O servidor do banco de dados não respondeu a tempo.")
                || first == QString::fromUtf8("A conexão com o servidor do banco de dados foi perdida.")
                || first == QString::fromUtf8("Não foi possível conectar ao servidor do banco de dados."))
                << e.Message().toStdString();
            EXPECT_FALSE(e.Message().section(u'\n', 1).isEmpty()) << "the driver's message is kept";
        }
        // The client library may try a read again once: a few timeouts, never the freeze.
        EXPECT_LT(timer.elapsed(), 4 * kTimeout * 1000 + 2000);
        ExpectDisconnected();
    }
    ASSERT_TRUE(server.Freeze(false));
    dm->SearchEvents("%Helena%");
    EXPECT_EQ(Column(dm->cdsEvento, "id_evento"), (QStringList { "103" }));
    ExpectDisconnected();
}

// A login or password the user table's latin1 columns cannot hold is simply no user:
// the server is not asked (it would refuse to compare), and nothing stays connected.
TEST_F(DMTest, ALoginTheColumnsCannotHoldIsNoUserAndNothingStaysConnected)
{
    for (const char* login : { "ana", "\xE5\xBC\xA0", "\xF0\x9F\x93\xB7", "\xCE\x9C" }) {
        for (const char* senha : { "\xE5\xBC\xA0\xE4\xB8\x89", "\xF0\x9F\x93\xB7", "SOL\xCE\x9C" }) {
            EXPECT_FALSE(dm->CheckLogin(QString::fromUtf8(login), QString::fromUtf8(senha)).Found);
            ExpectDisconnected();
        }
    }
    EXPECT_TRUE(dm->CheckLogin("ana", "SOL123").Found);
    ExpectDisconnected();
}

} // namespace
