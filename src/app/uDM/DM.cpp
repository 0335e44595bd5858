#include "DM.h"

#include "framework/Exception.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/DataSetProvider.h"
#include "framework/data/DataSource.h"
#include "framework/data/SQLConnection.h"
#include "framework/data/SQLQuery.h"
#include "framework/declared/DeclaredLoader.h"

TDM* DM = nullptr;

template <class T> void TDM::Bind(T*& member, const char* name)
{
    member = qobject_cast<T*>(FindComponent(QLatin1String(name)));
    if (!member)
        throw Exception(QStringLiteral("%1: no %2 named %3")
                            .arg(QLatin1String(kDeclaredData), QLatin1String(T::staticMetaObject.className()),
                                QLatin1String(name)));
}

TDM::TDM(QObject* owner)
    : TComponent(owner)
{
    declared::LoadRoot(this, QLatin1String(kDeclaredData));
    Bind(ConectMysql, "ConectMysql");
    Bind(qryEmpresa, "qryEmpresa");
    Bind(dspEmpresa, "dspEmpresa");
    Bind(cdsEmpresa, "cdsEmpresa");
    Bind(qryUsuario, "qryUsuario");
    Bind(qryEvento, "qryEvento");
    Bind(cdsEvento, "cdsEvento");
    Bind(dspEvento, "dspEvento");
    Bind(dsEvento, "dsEvento");
    Bind(qryFotoEscolhida, "qryFotoEscolhida");
    Bind(dspFotoEscolhida, "dspFotoEscolhida");
    Bind(cdsFotoEscolhida, "cdsFotoEscolhida");
    Bind(dsFotoEscolhida, "dsFotoEscolhida");
    Bind(qryQtoFtosEscohidas, "qryQtoFtosEscohidas");
    Bind(dspQtoFtosEscohidas, "dspQtoFtosEscohidas");
    Bind(cdsQtoFtosEscohidas, "cdsQtoFtosEscohidas");
}

TDM::~TDM()
{
    if (DM == this) DM = nullptr;
}

bool TDM::ValidarLogin(const QString& login, const QString& senha)
{
    qryUsuario->ParamByName(QStringLiteral("login")).SetAsString(login);
    qryUsuario->ParamByName(QStringLiteral("senha")).SetAsString(senha);
    qryUsuario->Open();
    // A row whose login is empty counts as no row: an empty login never gets in.
    const bool found = !qryUsuario->FieldByName(QStringLiteral("login")).AsString().isEmpty();
    if (found) IdEmpresa = qryUsuario->FieldByName(QStringLiteral("id_empresa")).AsInteger();
    ConectMysql->Close();
    return found;
}

void TDM::AbrirEmpresa()
{
    qryEmpresa->ParamByName(QStringLiteral("id_empresa")).SetAsInteger(IdEmpresa);
    cdsEmpresa->Open();
    ConectMysql->Close();
}

void TDM::LocalizarEventos(const QString& dados)
{
    qryEvento->Close();
    cdsEvento->Close();
    qryEvento->ParamByName(QStringLiteral("dados")).SetAsString(dados);
    qryEvento->ParamByName(QStringLiteral("id_empresa")).SetAsInteger(IdEmpresa);
    qryEvento->Open();
    cdsEvento->Open();
    ConectMysql->Close();
}

void TDM::AbrirFotosEscolhidas(qint32 idEvento, qint32 idLocal)
{
    cdsFotoEscolhida->Close();
    qryFotoEscolhida->Close();
    qryFotoEscolhida->ParamByName(QStringLiteral("id_empresa")).SetAsInteger(IdEmpresa);
    qryFotoEscolhida->ParamByName(QStringLiteral("id_evento")).SetAsInteger(idEvento);
    qryFotoEscolhida->ParamByName(QStringLiteral("id_x9_local")).SetAsInteger(idLocal);
    cdsFotoEscolhida->Open();
    ConectMysql->Close();
}

void TDM::AbrirQuantidades(qint32 idEvento)
{
    cdsQtoFtosEscohidas->Close();
    qryQtoFtosEscohidas->Close();
    qryQtoFtosEscohidas->ParamByName(QStringLiteral("id_empresa")).SetAsInteger(IdEmpresa);
    qryQtoFtosEscohidas->ParamByName(QStringLiteral("id_evento")).SetAsInteger(idEvento);
    cdsQtoFtosEscohidas->Open();
    ConectMysql->Close();
}
