#include "uDM.h"

#include "framework/data/ClientDataSet.h"
#include "framework/data/DataSetProvider.h"
#include "framework/data/DataSource.h"
#include "framework/data/SQLConnection.h"
#include "framework/data/SQLQuery.h"
#include "framework/declared/DeclaredLoader.h"
#include "skin/data/vnSkinData/CompressedStoredSkin.h"
#include "skin/data/vnSkinData/SkinData.h"

TDM* DM = nullptr;

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
    qryUsuario->ParamByName(QStringLiteral("login")).SetAsString(login);
    qryUsuario->ParamByName(QStringLiteral("senha")).SetAsString(senha);
    qryUsuario->Open();
    TLoginResult result;
    result.Found = !qryUsuario->FieldByName(QStringLiteral("login")).AsString().isEmpty();
    if (result.Found) result.IdEmpresa = qryUsuario->FieldByName(QStringLiteral("id_empresa")).AsInteger();
    ConectMysql->Close();
    return result;
}

TCompany TDM::LoadCompany()
{
    qryEmpresa->ParamByName(QStringLiteral("id_empresa")).SetAsInteger(IdEmpresa);
    cdsEmpresa->Open();
    const TCompany company { cdsEmpresa->FieldByName(QStringLiteral("razao")).AsString(),
        cdsEmpresa->FieldByName(QStringLiteral("nome_fantazia")).AsString() };
    ConectMysql->Close();
    return company;
}

void TDM::SearchEvents(const QString& dados)
{
    qryEvento->Close();
    cdsEvento->Close();
    qryEvento->ParamByName(QStringLiteral("dados")).SetAsString(dados);
    qryEvento->ParamByName(QStringLiteral("id_empresa")).SetAsInteger(IdEmpresa);
    qryEvento->Open();
    cdsEvento->Open();
    ConectMysql->Close();
}

void TDM::LoadChosenPhotos(qint32 idEvento, qint32 idLocal)
{
    cdsFotoEscolhida->Close();
    qryFotoEscolhida->Close();
    qryFotoEscolhida->ParamByName(QStringLiteral("id_empresa")).SetAsInteger(IdEmpresa);
    qryFotoEscolhida->ParamByName(QStringLiteral("id_evento")).SetAsInteger(idEvento);
    qryFotoEscolhida->ParamByName(QStringLiteral("id_x9_local")).SetAsInteger(idLocal);
    cdsFotoEscolhida->Open();
    ConectMysql->Close();
}

void TDM::LoadCounts(qint32 idEvento)
{
    cdsQtoFtosEscohidas->Close();
    qryQtoFtosEscohidas->Close();
    qryQtoFtosEscohidas->ParamByName(QStringLiteral("id_empresa")).SetAsInteger(IdEmpresa);
    qryQtoFtosEscohidas->ParamByName(QStringLiteral("id_evento")).SetAsInteger(idEvento);
    cdsQtoFtosEscohidas->Open();
    ConectMysql->Close();
}
