#include "uDM.h"

#include "framework/data/ClientDataSet.h"
#include "framework/data/DataSetProvider.h"
#include "framework/data/DataSource.h"
#include "framework/data/Field.h"
#include "framework/data/SQLConnection.h"
#include "framework/data/SQLQuery.h"
#include "framework/declared/DeclaredLoader.h"
#include "skin/data/vnSkinData/CompressedStoredSkin.h"
#include "skin/data/vnSkinData/SkinData.h"

#include <QCursor>
#include <QGuiApplication>
#include <string_view>

TDM* DM = nullptr;

namespace {

// Whether the server's latin1 columns can hold every character of `text`: the server's
// latin1 is the Windows-1252 code page, whose 0x80-0x9F bytes stand for these
// characters (and for the five positions it leaves free, U+0081 U+008D U+008F U+0090
// U+009D).
bool FitsLatin1Columns(const QString& text)
{
    static constexpr char16_t kWindows1252[]
        = u"\u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u017D"
          u"\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u017E\u0178"
          u"\u0081\u008D\u008F\u0090\u009D";
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) continue;
        if (std::u16string_view(kWindows1252).find(u) == std::u16string_view::npos) return false;
    }
    return true;
}

// One action of the data module: the wait cursor while it runs (the window takes no
// input meanwhile anyway), and the connection closed on every way out, so that a failed
// action never leaves one open for the server to drop behind the clerk's back.
class TDatabaseAction {
public:
    explicit TDatabaseAction(TSQLConnection* connection)
        : m_connection(connection)
        , m_cursor(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (m_cursor) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~TDatabaseAction()
    {
        m_connection->Close();
        if (m_cursor) QGuiApplication::restoreOverrideCursor();
    }
    TDatabaseAction(const TDatabaseAction&) = delete;
    TDatabaseAction& operator=(const TDatabaseAction&) = delete;

private:
    TSQLConnection* m_connection;
    bool m_cursor;
};

} // namespace

TDM::TDM(QObject* owner)
    : TComponent(owner)
{
    declared::LoadRoot(this, QLatin1String(kDeclaredData));
    BIND_DECLARED_FIELDS(TDM_FIELDS)
}

TDM::~TDM()
{
    if (DM == this) DM = nullptr;
}

TLoginResult TDM::CheckLogin(const QString& login, const QString& senha)
{
    const TDatabaseAction action(ConectMysql);
    TLoginResult result;
    // The server would refuse to compare such a text ("Illegal mix of collations"); no
    // user's login or password can hold it, so it is simply not a valid login.
    if (!FitsLatin1Columns(login) || !FitsLatin1Columns(senha)) return result;
    qryUsuario->ParamByName(QStringLiteral("login")).SetAsString(login);
    qryUsuario->ParamByName(QStringLiteral("senha")).SetAsString(senha);
    qryUsuario->Open();
    result.Found = !qryUsuario->FieldByName(QStringLiteral("login")).AsString().isEmpty();
    if (result.Found) result.IdEmpresa = qryUsuario->FieldByName(QStringLiteral("id_empresa")).AsInteger();
    return result;
}

TCompany TDM::LoadCompany()
{
    const TDatabaseAction action(ConectMysql);
    qryEmpresa->ParamByName(QStringLiteral("id_empresa")).SetAsInteger(IdEmpresa);
    cdsEmpresa->Open();
    const TCompany company { cdsEmpresa->FieldByName(QStringLiteral("razao")).AsString(),
        cdsEmpresa->FieldByName(QStringLiteral("nome_fantazia")).AsString() };
    return company;
}

void TDM::SearchEvents(const QString& dados)
{
    const TDatabaseAction action(ConectMysql);
    qryEvento->Close();
    cdsEvento->Close();
    // A text the search texts' column cannot hold matches none of them, and the server
    // would refuse to compare it ("Illegal mix of collations"): the search finds
    // nothing, and the closed table reads as the empty result.
    if (!FitsLatin1Columns(dados)) return;
    qryEvento->ParamByName(QStringLiteral("dados")).SetAsString(dados);
    qryEvento->ParamByName(QStringLiteral("id_empresa")).SetAsInteger(IdEmpresa);
    qryEvento->Open();
    cdsEvento->Open();
}

void TDM::ChooseCurrentEvent()
{
    QList<TRow> rows;
    if (cdsEvento->Active() && cdsEvento->CurrentRow() >= 0)
        rows.append(cdsEvento->Rows().at(cdsEvento->CurrentRow()));
    cdsEventoEscolhido->LoadData(cdsEvento->FieldDefs(), rows);
}

qint32 TDM::ChosenEventId() const
{
    const TField* id = cdsEventoEscolhido->IsEmpty()
        ? nullptr
        : cdsEventoEscolhido->FindField(QStringLiteral("id_evento"));
    return id ? id->AsInteger() : 0;
}

void TDM::LoadChosenPhotos(qint32 idEvento, qint32 idLocal)
{
    const TDatabaseAction action(ConectMysql);
    cdsFotoEscolhida->Close();
    qryFotoEscolhida->Close();
    qryFotoEscolhida->ParamByName(QStringLiteral("id_empresa")).SetAsInteger(IdEmpresa);
    qryFotoEscolhida->ParamByName(QStringLiteral("id_evento")).SetAsInteger(idEvento);
    qryFotoEscolhida->ParamByName(QStringLiteral("id_x9_local")).SetAsInteger(idLocal);
    cdsFotoEscolhida->Open();
}

void TDM::LoadCounts(qint32 idEvento)
{
    const TDatabaseAction action(ConectMysql);
    cdsQtoFtosEscohidas->Close();
    qryQtoFtosEscohidas->Close();
    qryQtoFtosEscohidas->ParamByName(QStringLiteral("id_empresa")).SetAsInteger(IdEmpresa);
    qryQtoFtosEscohidas->ParamByName(QStringLiteral("id_evento")).SetAsInteger(idEvento);
    cdsQtoFtosEscohidas->Open();
}
